#include "dialog/PickerSettings.h"

#include "plexa/jx_CORE.h"
#include "module/ModuleState.h"

int ReadPickerInt(const char* key, int defaultValue)
{
    return HostObject ? HostObject->ReadSettingInt(&kPickerSettingsSection, key, defaultValue) : defaultValue;
}

void WritePickerInt(const char* key, int value)
{
    if (HostObject)
        HostObject->WriteSettingInt(&kPickerSettingsSection, key, value);
}

float ReadPickerFloat(const char* key, float defaultValue)
{
    return HostObject ? HostObject->ReadSettingFloat(&kPickerSettingsSection, key, defaultValue) : defaultValue;
}

void WritePickerFloat(const char* key, float value)
{
    if (HostObject)
        HostObject->WriteSettingFloat(&kPickerSettingsSection, key, value);
}

int ReadHostWideInt(const char* key, int defaultValue)
{
    return HostObject ? HostObject->ReadSettingInt(nullptr, key, defaultValue) : defaultValue;
}
