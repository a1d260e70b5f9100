// The picker next to the system's own color dialog (ChooseColor, fully
// open), in one process, in turns: seven rounds each, the first opening of
// each left out. For each dialog:
//   - opening: from the request to the field painted (the dialog's own
//     paint, which draws the field, before its child windows'), and to the
//     dialog painted with every child window; and the first of these in its
//     steps: the dialog made and started, shown, and its own first paint
//     (for the picker also its windows made apart from its start-up), and
//     how many child windows each dialog has;
//   - full repaint: RedrawWindow of the dialog with every child window;
//   - a drag across its color field along the diagonal, one move at a time,
//     each handled in full (the queue run dry: fields, children, paints),
//     as time per move and as the process's CPU time per move;
//   - the same drag by the system's pointer, moved every 8 ms and every
//     1 ms: the share of the moves whose color a paint showed, how long
//     after the last move a paint showed its color, and the CPU time per
//     move of the pointer and per move the dialog took (the system merges
//     the moves a busy dialog has not taken). Only WM_PAINT counts as
//     showing: a dialog that draws from its mouse handler (the system's
//     draws its field's cross so) shows more than is counted for it.
//
//   wine SideBySideBench.exe        (from build/win64/bin, on an X display)
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <commdlg.h>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchModule.h"
#include "dialog/CltPiker.h"
#include "dialog/PaletteFolders.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kRounds = 7;
constexpr int kRepaints = 20;
constexpr int kMoves = 60;

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
    std::vector<double> openingField, opening, repaint, move, cpuPerMove;
    // The steps of the opening to the painted field.
    std::vector<double> made, shown, ownPaint, windowsMade, startUp;
    int childWindows = 0;
    // With the pointer moved by the system every 8 ms and every 1 ms.
    std::vector<double> shown8, delay8, cpu8, cpuTaken8, shown1, delay1, cpu1, cpuTaken1;
};

// An opening requested at `start`, to its painted field and in its steps.
void RecordOpeningSteps(Figures& figures, double start, const BenchModule::OpeningSteps& steps)
{
    figures.made.push_back(steps.created - start);
    if (steps.windowsMade > 0) {
        figures.windowsMade.push_back(steps.windowsMade - start);
        figures.startUp.push_back(steps.created - steps.windowsMade);
    }
    figures.shown.push_back(steps.shown - steps.created);
    figures.ownPaint.push_back(steps.fieldPainted - steps.shown);
    figures.openingField.push_back(steps.fieldPainted - start);
}

// The windows inside `window`, their children's included.
int ChildWindows(HWND window)
{
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        count += 1 + ChildWindows(child);
    return count;
}

// Moves the system's pointer to a point of the screen.
void PointerTo(POINT at, DWORD buttons = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    SendInput(1, &input, sizeof input);
}

// A drag across the field by the system's pointer, a move every `interval`
// seconds, as a person's mouse sends them (the system keeps only the last
// of the moves a busy dialog has not taken yet). A frame is a paint of the
// dialog or one of its windows; it shows the color of the last move taken
// before it. Records the share of the moves whose color a frame showed,
// the time from the last move to the frame that showed it, and the CPU
// time per move of the pointer and per move the dialog took.
void PacedDrag(HWND dialog, const std::vector<POINT>& path, double interval, std::vector<double>& shown,
               std::vector<double>& delay, std::vector<double>& cpu, std::vector<double>& cpuPerTaken)
{
    const auto indexOf = [&](LPARAM position) {
        POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
        ClientToScreen(dialog, &at);
        // The system may land a pixel off the point asked for.
        for (std::size_t i = 0; i < path.size(); ++i)
            if (std::abs(path[i].x - at.x) <= 1 && std::abs(path[i].y - at.y) <= 1)
                return static_cast<int>(i);
        return -1;
    };
    int taken = -1, lastShown = 0, frames = 0, movesTaken = 0;
    double lastMoveAt = 0, lastShownAt = 0;
    const auto pumpUntil = [&](double until) {
        MSG message;
        while (Now() < until) {
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                const auto wait = static_cast<DWORD>(std::max(0.0, (until - Now()) * 1e3));
                MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
                continue;
            }
            if (message.message == WM_MOUSEMOVE && message.hwnd == dialog) {
                taken = std::max(taken, indexOf(message.lParam));
                ++movesTaken;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (message.message == WM_PAINT && (message.hwnd == dialog || IsChild(dialog, message.hwnd)) &&
                taken > lastShown) {
                ++frames;
                lastShown = taken;
                if (taken == static_cast<int>(path.size()) - 1 && lastShownAt == 0)
                    lastShownAt = Now();
            }
        }
    };
    PointerTo(path[0]);
    PointerTo(path[0], MOUSEEVENTF_LEFTDOWN);
    pumpUntil(Now() + 0.1);
    taken = lastShown = movesTaken = 0;
    const double cpuStart = ProcessCpuSeconds();
    const double start = Now();
    for (std::size_t i = 1; i < path.size(); ++i) {
        pumpUntil(start + interval * static_cast<double>(i));
        PointerTo(path[i]);
        lastMoveAt = Now();
    }
    pumpUntil(lastMoveAt + 0.2);
    const double cpuSeconds = ProcessCpuSeconds() - cpuStart;
    cpu.push_back(cpuSeconds / static_cast<double>(path.size() - 1));
    cpuPerTaken.push_back(cpuSeconds / static_cast<double>(std::max(movesTaken, 1)));
    shown.push_back(static_cast<double>(frames) / static_cast<double>(path.size() - 1));
    delay.push_back(lastShownAt > 0 ? lastShownAt - lastMoveAt : 1.0);
    PointerTo(path.back(), MOUSEEVENTF_LEFTUP);
    pumpUntil(Now() + 0.05);
}

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

    SetForegroundWindow(dialog);
    std::vector<POINT> path;
    for (int i = 0; i <= kMoves; ++i) {
        POINT at{static_cast<short>(LOWORD(point(i))), static_cast<short>(HIWORD(point(i)))};
        ClientToScreen(dialog, &at);
        path.push_back(at);
    }
    // Moves past the screen's edge land on the edge and show no point of the path.
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!PtInRect(&screen, path.front()) || !PtInRect(&screen, path.back()))
        std::printf("the drag's path leaves the screen: its moves there count as not shown\n");
    PacedDrag(dialog, path, 0.008, figures.shown8, figures.delay8, figures.cpu8, figures.cpuTaken8);
    PacedDrag(dialog, path, 0.001, figures.shown1, figures.delay1, figures.cpu1, figures.cpuTaken1);
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
    BenchModule::OpeningSteps steps;
    steps.created = Now();
    ShowWindow(dialog, SW_SHOW);
    steps.shown = Now();
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    steps.fieldPainted = Now();
    RecordOpeningSteps(standard, standardStart, steps);
    UpdateWindow(dialog);
    standard.opening.push_back(Now() - standardStart);
    standard.childWindows = ChildWindows(dialog);
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

void OpenPicker(const BenchModule& bench, HWND requester)
{
    // Each opening with the built-in palette (a palette left by another
    // bench would be read in too).
    const std::u16string palette = UserPaletteFolder() + u"Default palette.gpl";
    DeleteFileW(reinterpret_cast<const wchar_t*>(palette.c_str()));
    const double start = Now();
    CCltPiker controller;
    BenchModule::OpeningSteps steps;
    HWND dialog = bench.ShowPicker(controller, requester, &steps);
    RecordOpeningSteps(picker, start, steps);
    picker.opening.push_back(Now() - start);
    picker.childWindows = ChildWindows(dialog);
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

void PrintOurs(const char* what, const std::vector<double>& ours)
{
    std::printf("  %-30s %8.2f ms\n", what, Median(ours));
}

void PrintShare(const char* what, const std::vector<double>& ours, const std::vector<double>& theirs)
{
    std::printf("  %-30s %7.0f %% %8.0f %%\n", what, Median(ours) / 10, Median(theirs) / 10);
}

} // namespace

int main()
{
    const BenchModule bench;
    if (!bench)
        return 1;
    HWND requester = CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);

    for (int round = 0; round < kRounds; ++round) {
        OpenPicker(bench, requester);
        OpenStandard();
    }
    std::printf("side by side, %d rounds each in turn, medians of the last %d    picker   standard  ratio\n", kRounds,
                kRounds - 1);
    PrintLine("opening to the painted field", picker.openingField, standard.openingField);
    PrintLine("  made and started", picker.made, standard.made);
    PrintOurs("    its windows made", picker.windowsMade);
    PrintOurs("    its start-up", picker.startUp);
    PrintLine("  shown", picker.shown, standard.shown);
    PrintLine("  its own first paint", picker.ownPaint, standard.ownPaint);
    PrintLine("opening to all painted", picker.opening, standard.opening);
    std::printf("  %-30s %8d    %8d\n", "child windows", picker.childWindows, standard.childWindows);
    PrintLine("full repaint with children", picker.repaint, standard.repaint);
    PrintLine("drag move handled in full", picker.move, standard.move);
    PrintLine("process CPU per drag move", picker.cpuPerMove, standard.cpuPerMove);
    std::printf("the system's pointer moving every 8 ms:\n");
    PrintShare("moves shown by a paint", picker.shown8, standard.shown8);
    PrintLine("last color shown after", picker.delay8, standard.delay8);
    PrintLine("process CPU per move", picker.cpu8, standard.cpu8);
    PrintLine("process CPU per move taken", picker.cpuTaken8, standard.cpuTaken8);
    std::printf("the system's pointer moving every 1 ms:\n");
    PrintShare("moves shown by a paint", picker.shown1, standard.shown1);
    PrintLine("last color shown after", picker.delay1, standard.delay1);
    PrintLine("process CPU per move", picker.cpu1, standard.cpu1);
    PrintLine("process CPU per move taken", picker.cpuTaken1, standard.cpuTaken1);
    DestroyWindow(requester);
    return 0;
}
