// The Windows settings store: one registry key under HKEY_CURRENT_USER per
// section (and group), integers as REG_DWORD, floats as REG_SZ text.
#pragma once

#include "host/plexa/src/SettingsStore.h"

class RegistrySettings final : public SettingsStore {
public:
    explicit RegistrySettings(std::u16string rootKey);

    int ReadInt(const std::string& section, std::string_view key, int defaultValue) override;
    bool WriteInt(const std::string& section, std::string_view key, int value) override;
    float ReadFloat(const std::string& section, std::string_view key, float defaultValue) override;
    bool WriteFloat(const std::string& section, std::string_view key, float value) override;

private:
    std::u16string KeyPath(const std::string& section, const std::string& group) const;
    // Reads the value into data (size in bytes); false unless it exists with type.
    bool ReadValue(const std::string& section, std::string_view key, unsigned long type, void* data,
                   unsigned long size);
    bool WriteValue(const std::string& section, std::string_view key, unsigned long type, const void* data,
                    unsigned long size);

    std::u16string rootKey;
};
