// The picker next to the system's own color dialog (ChooseColor, fully
// open), in one process, in turns: seven rounds each, the first opening of
// each left out. For each dialog:
//   - opening: from the request to the dialog painted;
//   - full repaint: RedrawWindow of the dialog with every child window;
//   - a drag across its color field along the diagonal, one move at a time,
//     each handled in full (the queue run dry: fields, children, paints),
//     as time per move and as the process's CPU time per move.
//
//   wine SideBySideBench.exe        (from build/win64/bin, on an X display)
#include <windows.h>

#include <algorithm>
#include <commdlg.h>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dialog/CltPiker.h"
#include "dialog/PaletteFolders.h"
#include "dialog/PickerDialog.h"
#include "dialog/PickerSettings.h"
#include "module/ModuleState.h"
#include "plexa/HostCore.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kRounds = 7;
constexpr int kRepaints = 20;
constexpr int kMoves = 60;

double Now()
{
    LARGE_INTEGER counter{}, frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double ProcessCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& time) {
        return static_cast<double>(static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) * 1e-7;
    };
    return seconds(kernel) + seconds(user);
}

// Every message waiting is handled, paints included.
void RunDry()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct Figures {
    std::vector<double> opening, repaint, move, cpuPerMove;
};

// The repaint and the drag on a dialog that is open, its field at `field`
// (client coordinates).
void MeasureOpenDialog(HWND dialog, const RECT& field, Figures& figures)
{
    RunDry();
    std::vector<double> repaints;
    for (int i = 0; i < kRepaints; ++i) {
        const double start = Now();
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        GdiFlush();
        repaints.push_back(Now() - start);
    }
    std::sort(repaints.begin(), repaints.end());
    figures.repaint.push_back(repaints[kRepaints / 2]);

    const auto point = [&](int i) {
        const int x = field.left + 2 + (field.right - field.left - 4) * i / kMoves;
        const int y = field.bottom - 3 - (field.bottom - field.top - 4) * i / kMoves;
        return MAKELPARAM(x, y);
    };
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, point(0));
    RunDry();
    const double cpu = ProcessCpuSeconds();
    const double start = Now();
    for (int i = 1; i <= kMoves; ++i) {
        PostMessageW(dialog, WM_MOUSEMOVE, MK_LBUTTON, point(i));
        RunDry();
    }
    figures.move.push_back((Now() - start) / kMoves);
    figures.cpuPerMove.push_back((ProcessCpuSeconds() - cpu) / kMoves);
    SendMessageW(dialog, WM_LBUTTONUP, 0, point(kMoves));
    RunDry();
}

// ---- the system's dialog, driven from its hook

Figures standard;
double standardStart = 0;

// The system dialog's largest static child is its color field.
RECT LargestStatic(HWND dialog)
{
    RECT largest{};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        if (lstrcmpiW(className, L"Static") == 0 && (rect.right - rect.left) * (rect.bottom - rect.top) >
                                                        (largest.right - largest.left) * (largest.bottom - largest.top))
            largest = rect;
    }
    return largest;
}

UINT_PTR CALLBACK StandardHook(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return 0;
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    standard.opening.push_back(Now() - standardStart);
    MeasureOpenDialog(dialog, LargestStatic(dialog), standard);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

void OpenStandard()
{
    static COLORREF custom[16] = {};
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.rgbResult = 0x004080C0;
    request.lpCustColors = custom;
    request.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ENABLEHOOK;
    request.lpfnHook = StandardHook;
    standardStart = Now();
    ChooseColorW(&request);
}

// ---- the picker

Figures picker;

void OpenPicker(HMODULE module, HWND requester)
{
    // Each opening at the template's size, with the built-in palette (a
    // palette left by another bench would be read in too).
    const std::u16string palette = UserPaletteFolder() + u"Default palette.gpl";
    DeleteFileW(reinterpret_cast<const wchar_t*>(palette.c_str()));
    HostObject->WriteSettingInt(&kPickerSettingsSection, "DlgWidth", 0);
    HostObject->WriteSettingInt(&kPickerSettingsSection, "DlgHeight", 0);
    const double start = Now();
    CCltPiker controller;
    controller.request.word[kPickerRequester] = HandleToULong(requester);
    controller.request.word[kPickerColor] = 0x004080C0;
    HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_PICKER), nullptr, PickerDialogProc,
                                     reinterpret_cast<LPARAM>(&controller));
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    picker.opening.push_back(Now() - start);
    RECT field{};
    GetWindowRect(GetDlgItem(dialog, IDC_FIELD), &field);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&field), 2);
    MeasureOpenDialog(dialog, field, picker);
    DestroyWindow(dialog);
}

// The median of the rounds after the first, in milliseconds.
double Median(std::vector<double> seconds)
{
    seconds.erase(seconds.begin());
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2] * 1e3;
}

void PrintLine(const char* what, const std::vector<double>& ours, const std::vector<double>& theirs)
{
    const double a = Median(ours), b = Median(theirs);
    std::printf("  %-30s %8.2f ms %8.2f ms %6.2fx\n", what, a, b, a / b);
}

} // namespace

int main()
{
    jx_HOSTCORE* core = CreateHostCore(HostCoreConfig{u"Software\\PlexaBench"});
    const HMODULE module = LoadLibraryW(L"ColorPicker.dll");
    if (!core || !module) {
        std::printf("ColorPicker.dll and Plexa.dll must be beside this program.\n");
        return 1;
    }
    HostObject = core;
    ModuleInstance = module;
    LanguageCookie = core->LoadModuleTexts(module);
    ColorChangeMessage = RegisterWindowMessageA(kColorChangeMessageName);
    core->WriteSettingInt(&kPickerSettingsSection, "SizeMode", 0);
    HWND requester = CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);

    for (int round = 0; round < kRounds; ++round) {
        OpenPicker(module, requester);
        OpenStandard();
    }
    std::printf("side by side, %d rounds each in turn, medians of the last %d    picker   standard  ratio\n", kRounds,
                kRounds - 1);
    PrintLine("opening, request to painted", picker.opening, standard.opening);
    PrintLine("full repaint with children", picker.repaint, standard.repaint);
    PrintLine("drag move handled in full", picker.move, standard.move);
    PrintLine("process CPU per drag move", picker.cpuPerMove, standard.cpuPerMove);
    DestroyWindow(requester);
    HostObject = nullptr;
    core->Destroy();
    return 0;
}
