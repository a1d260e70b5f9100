#include "host/plexa/src/RegistrySettings.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/plexa/src/AnsiCodePage.h"
#include "plexa/Win32Text.h"

namespace {

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey()
    {
        if (key)
            RegCloseKey(key);
    }
    HKEY* Out() { return &key; }
    HKEY Get() const { return key; }

private:
    HKEY key = nullptr;
};

// Keys and sections are ASCII in practice; ANSI is what the narrow key means.
std::u16string Widen(std::string_view text) { return AnsiToUtf16(text); }

} // namespace

RegistrySettings::RegistrySettings(std::u16string root) : rootKey(std::move(root)) {}

std::u16string RegistrySettings::KeyPath(const std::string& section, const std::string& group) const
{
    std::u16string path = rootKey + u"\\" + Widen(section);
    if (!group.empty())
        path += u"\\" + Widen(group);
    return path;
}

bool RegistrySettings::ReadValue(const std::string& section, std::string_view key, unsigned long type, void* data,
                                 unsigned long size)
{
    const SettingsKey parts = SplitSettingsKey(key);
    const std::u16string path = KeyPath(section, parts.group);
    RegistryKey opened;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, AsWide(path.c_str()), 0, KEY_QUERY_VALUE, opened.Out()) != ERROR_SUCCESS)
        return false;
    DWORD storedType = 0;
    DWORD storedSize = size;
    const std::u16string name = Widen(parts.name);
    if (RegQueryValueExW(opened.Get(), AsWide(name.c_str()), nullptr, &storedType, static_cast<BYTE*>(data),
                         &storedSize) != ERROR_SUCCESS)
        return false;
    return storedType == type && (type != REG_DWORD || storedSize == sizeof(DWORD));
}

bool RegistrySettings::WriteValue(const std::string& section, std::string_view key, unsigned long type,
                                  const void* data, unsigned long size)
{
    const SettingsKey parts = SplitSettingsKey(key);
    const std::u16string path = KeyPath(section, parts.group);
    RegistryKey created;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, AsWide(path.c_str()), 0, nullptr, 0, KEY_SET_VALUE, nullptr, created.Out(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::u16string name = Widen(parts.name);
    return RegSetValueExW(created.Get(), AsWide(name.c_str()), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

int RegistrySettings::ReadInt(const std::string& section, std::string_view key, int defaultValue)
{
    DWORD value = 0;
    return ReadValue(section, key, REG_DWORD, &value, sizeof value) ? static_cast<int>(value) : defaultValue;
}

bool RegistrySettings::WriteInt(const std::string& section, std::string_view key, int value)
{
    const DWORD stored = static_cast<DWORD>(value);
    return WriteValue(section, key, REG_DWORD, &stored, sizeof stored);
}

float RegistrySettings::ReadFloat(const std::string& section, std::string_view key, float defaultValue)
{
    wchar_t text[64] = {};
    if (!ReadValue(section, key, REG_SZ, text, sizeof text - sizeof(wchar_t)))
        return defaultValue;
    wchar_t* end = nullptr;
    const float value = std::wcstof(text, &end);
    // Text that is no number, or one no float holds ("1e999", "nan"), was
    // not written by the host: it reads as missing.
    return end == text || !std::isfinite(value) ? defaultValue : value;
}

bool RegistrySettings::WriteFloat(const std::string& section, std::string_view key, float value)
{
    // Nine significant digits give the same float back.
    wchar_t text[64];
    const int length = std::swprintf(text, 64, L"%.9g", static_cast<double>(value));
    return length > 0 &&
           WriteValue(section, key, REG_SZ, text, static_cast<unsigned long>((length + 1) * sizeof(wchar_t)));
}
