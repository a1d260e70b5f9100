#include "MemorySettings.h"

#include "AsciiText.h"

namespace {

std::string FoldedPath(const std::string& section, std::string_view key)
{
    std::string path = section + '\\' + std::string(key);
    for (char& c : path)
        c = ToLowerAscii(c);
    return path;
}

} // namespace

template <typename T> T MemorySettings::Read(const std::string& section, std::string_view key, T defaultValue) const
{
    const auto found = values.find(FoldedPath(section, key));
    if (found == values.end() || !std::holds_alternative<T>(found->second))
        return defaultValue;
    return std::get<T>(found->second);
}

int MemorySettings::ReadInt(const std::string& section, std::string_view key, int defaultValue)
{
    return Read(section, key, defaultValue);
}

bool MemorySettings::WriteInt(const std::string& section, std::string_view key, int value)
{
    values[FoldedPath(section, key)] = value;
    return true;
}

float MemorySettings::ReadFloat(const std::string& section, std::string_view key, float defaultValue)
{
    return Read(section, key, defaultValue);
}

bool MemorySettings::WriteFloat(const std::string& section, std::string_view key, float value)
{
    values[FoldedPath(section, key)] = value;
    return true;
}
