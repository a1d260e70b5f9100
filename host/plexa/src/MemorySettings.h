// A settings store that lives in memory: the native build's store, and a
// fixture for tests. Sections and keys compare without ASCII case, as in the
// registry.
#pragma once

#include <map>
#include <variant>

#include "SettingsStore.h"

class MemorySettings final : public SettingsStore {
public:
    int ReadInt(const std::string& section, std::string_view key, int defaultValue) override;
    bool WriteInt(const std::string& section, std::string_view key, int value) override;
    float ReadFloat(const std::string& section, std::string_view key, float defaultValue) override;
    bool WriteFloat(const std::string& section, std::string_view key, float value) override;

private:
    using Value = std::variant<int, float>;
    template <typename T> T Read(const std::string& section, std::string_view key, T defaultValue) const;

    std::map<std::string, Value> values;
};
