// What the dialog benchmarks share: a clock, and the picker module loaded
// beside a host core of its own, as the host loads it.
#pragma once

#include <windows.h>

#include <cstdio>

#include "dialog/PickerSettings.h"
#include "module/ModuleState.h"
#include "plexa/HostCore.h"
#include "plexa/jx_EXTENSION.h"

// Seconds from some fixed moment.
inline double Now()
{
    LARGE_INTEGER counter{}, frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// ColorPicker.dll loaded with a host core under the benchmarks' own key, in
// the full size mode. Declared before any picker controller: a controller
// writes its settings when it goes, and the host must still be there.
class BenchModule {
public:
    BenchModule()
        : core(CreateHostCore(HostCoreConfig{u"Software\\PlexaBench"})), module(LoadLibraryW(L"ColorPicker.dll"))
    {
        if (!core || !module) {
            std::printf("ColorPicker.dll and Plexa.dll must be beside this program.\n");
            return;
        }
        HostObject = core;
        ModuleInstance = module;
        LanguageCookie = core->LoadModuleTexts(module);
        ColorChangeMessage = RegisterWindowMessageA(kColorChangeMessageName);
        core->WriteSettingInt(&kPickerSettingsSection, "SizeMode", 0);
    }
    BenchModule(const BenchModule&) = delete;
    BenchModule& operator=(const BenchModule&) = delete;
    ~BenchModule()
    {
        HostObject = nullptr;
        if (core)
            core->Destroy();
    }
    explicit operator bool() const { return core && module; }
    HMODULE Module() const { return module; }

private:
    jx_HOSTCORE* core;
    HMODULE module;
};
