#include "host/plexa/src/SettingsStore.h"

#include "plexa/jx_GUID.h"

std::string SettingsSectionName(const jx_GUID* section)
{
    if (!section)
        return "Global";
    char text[39];
    section->ToStr(text);
    return text;
}

SettingsKey SplitSettingsKey(std::string_view key)
{
    const auto separator = key.rfind('\\');
    if (separator == std::string_view::npos)
        return {"", std::string(key)};
    return {std::string(key.substr(0, separator)), std::string(key.substr(separator + 1))};
}
