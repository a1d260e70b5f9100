// Where the host keeps settings: named integer and float values, grouped in
// sections. A key "group\name" names value `name` in subgroup `group`.
#pragma once

#include <string>
#include <string_view>

struct jx_GUID;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A value missing or stored with the other type reads as the default.
    virtual int ReadInt(const std::string& section, std::string_view key, int defaultValue) = 0;
    virtual bool WriteInt(const std::string& section, std::string_view key, int value) = 0;
    virtual float ReadFloat(const std::string& section, std::string_view key, float defaultValue) = 0;
    virtual bool WriteFloat(const std::string& section, std::string_view key, float value) = 0;
};

// The section of a module's GUID ("{...}"), or "Global" for the host-wide one.
std::string SettingsSectionName(const jx_GUID* section);

// Splits "group\name" at its last backslash into group ("" when none) and name.
struct SettingsKey {
    std::string group;
    std::string name;
};
SettingsKey SplitSettingsKey(std::string_view key);
