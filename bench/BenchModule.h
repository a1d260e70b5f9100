// What the dialog benchmarks share: a clock, the picker module loaded beside
// a host core of its own, as the host loads it, and its dialog opened.
#pragma once

#include <windows.h>

#include <cstdio>

#include "dialog/CltPiker.h"
#include "dialog/PickerDialog.h"
#include "dialog/PickerSettings.h"
#include "module/ModuleState.h"
#include "plexa/HostCore.h"
#include "plexa/jx_EXTENSION.h"
#include "resources/ResourceIds.h"

// Seconds from some fixed moment.
inline double Now()
{
    LARGE_INTEGER counter{}, frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// ColorPicker.dll loaded with a host core under the benchmarks' own key, in
// the full size mode, at the template's size, centered on the desktop: as
// an earlier run left it, the dialog would open at its last size, and partly
// off the screen it would take the system's pointer only where it is on the
// screen. Declared before any picker controller: a controller
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
        core->WriteSettingInt(&kPickerSettingsSection, "DlgWidth", 0);
        core->WriteSettingInt(&kPickerSettingsSection, "DlgHeight", 0);
        core->WriteSettingFloat(&kPickerSettingsSection, "DlgX", 0.5f);
        core->WriteSettingFloat(&kPickerSettingsSection, "DlgY", 0.5f);
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
    // When an opening reached each of its steps, on the clock of Now().
    struct OpeningSteps {
        double windowsMade = 0;  // the template's windows made (WM_INITDIALOG begins); 0 where not seen
        double created = 0;      // the dialog made and started (WM_INITDIALOG done)
        double shown = 0;        // ShowWindow done
        double fieldPainted = 0; // the dialog's own paint (the field's) done, before its child windows'
    };
    // The dialog of `controller`, modeless, shown and painted, asked for the
    // same color each time by `requester`.
    HWND ShowPicker(CCltPiker& controller, HWND requester, OpeningSteps* steps = nullptr) const
    {
        controller.request.word[kPickerRequester] = HandleToULong(requester);
        controller.request.word[kPickerColor] = 0x004080C0;
        OpeningSteps reached;
        startUpBegan = 0;
        HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_PICKER), nullptr, TimedPickerDialogProc,
                                         reinterpret_cast<LPARAM>(&controller));
        reached.windowsMade = startUpBegan;
        reached.created = Now();
        ShowWindow(dialog, SW_SHOW);
        reached.shown = Now();
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
        reached.fieldPainted = Now();
        if (steps)
            *steps = reached;
        UpdateWindow(dialog);
        return dialog;
    }

private:
    // The picker's own procedure, with the moment its start-up begins.
    static INT_PTR CALLBACK TimedPickerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITDIALOG)
            startUpBegan = Now();
        return PickerDialogProc(dialog, message, wParam, lParam);
    }
    static inline double startUpBegan = 0;

    jx_HOSTCORE* core;
    HMODULE module;
};
