// What the Windows tests share: a host core isolated from the user's
// settings and folders, the picker module loaded and started on it, and
// windows that answer a modal dialog as a user would.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/viewer/PluginModule.h"
#include "plexa/HostCore.h"

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::u16string& Path() const { return path; }
    std::u16string File(const std::u16string& name) const { return path + u"\\" + name; }

private:
    std::u16string path;
};

// A core object whose settings live under a private registry key (deleted
// at the end) and whose folders of kinds 3 and 4 are private folders.
class IsolatedHost {
public:
    IsolatedHost();
    ~IsolatedHost();
    jx_HOSTCORE* Core() const { return core; }
    const std::u16string& SettingsKey() const { return settingsKey; }
    const TempFolder& UserFolder() const { return userFolder; }
    const std::u16string& PaletteFolder() const { return paletteFolder; }
    // ReportMessage calls, as "kind:text".
    std::vector<std::string> reports;

private:
    TempFolder userFolder;
    std::u16string paletteFolder;
    std::u16string settingsKey;
    jx_HOSTCORE* core = nullptr;
};

// The picker module loaded and started on an isolated host.
class StartedPicker {
public:
    StartedPicker();
    IsolatedHost host;
    PluginModule module;
    INT_PTR startupAnswer = 0;
};

// A top-level window that owns modal dialogs in tests. It can carry a host
// frame at window long 0, records the color-change messages it receives,
// and answers each modal dialog it owns with onIdle once the dialog waits
// for input (WM_ENTERIDLE).
class RequesterWindow {
public:
    explicit RequesterWindow(jx_FRAME* frame);
    ~RequesterWindow();
    HWND Handle() const { return window; }
    std::function<void(HWND dialog)> onIdle;
    std::vector<std::uint32_t> colorMessages;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window = nullptr;
    UINT colorChangeMessage = 0;
    HWND answeredDialog = nullptr;
};

// The picker dialog run through the entry point on an isolated host, with a
// requester window that is the host's main window and records the colors.
class DialogRunner : public ::testing::Test {
protected:
    DialogRunner();
    ~DialogRunner() override;

    // Runs the dialog; `script` acts on it once it waits for input, then the
    // dialog is cancelled unless the script ended it. Answers PickColor's
    // result; word 3 of the request ends in `chosen`.
    int Run(std::uint32_t color, std::uint32_t options, const std::function<void(HWND)>& script);
    jx_HOSTCORE* Core() { return picker.host.Core(); }
    // The color of the requester's last color message (0xDEADBEEF: none yet).
    std::uint32_t LastMessage() const;
    // A child window's text, and a text typed into it (an edit field applies
    // it at once, as typing does).
    static std::u16string FieldText(HWND dialog, int id);
    static void Type(HWND dialog, int id, const wchar_t* text);

    StartedPicker picker;
    RequesterWindow requester;
    jx_COLORPIKER* extension = nullptr;
    std::uint32_t chosen = 0;
};

// A frame that records each modal state it is told.
// A top-most square window on the screen, gone at the end: filled with a
// brush (which it then owns), or painted by its own window procedure.
class ScreenPatch {
public:
    ScreenPatch(HBRUSH brush, const wchar_t* className, int left, int top, int size,
                WNDPROC procedure = DefWindowProcW);
    ScreenPatch(const ScreenPatch&) = delete;
    ScreenPatch& operator=(const ScreenPatch&) = delete;
    ~ScreenPatch();

private:
    HBRUSH brush;
    WNDCLASSW windowClass{};
    HWND window = nullptr;
};

class RecordingFrame : public jx_FRAME {
public:
    void SetModalState(int state) override;
    std::vector<int> states;
};

std::u16string WindowText(HWND window);

// A child window's rectangle in the dialog's client coordinates.
RECT ChildRect(HWND dialog, int id);
// A mouse message to the dialog at a point of its client area.
void Mouse(HWND dialog, UINT message, POINT point, WPARAM keys = 0);
// A key pressed while the dialog's modal loop runs, with the keyboard's
// Control and Shift as given: the loop hands it to its message filter first.
void Press(HWND focus, UINT key, bool control = false, bool shift = false);
// A key pressed as the dialog's modal loop takes it: its message filter
// first, then the dialog manager (Tab, Enter, Escape, arrows in a group),
// then the window with the focus.
void PressInDialog(HWND dialog, UINT key, bool shift = false);
// The dialog's pixel at a point, once it has painted what was pending.
COLORREF PixelAt(HWND dialog, POINT point);
// The screen's pixels in a rectangle, row by row, once the thread has idled:
// Wine puts what windows drew on the display then, as a person would see it.
std::vector<COLORREF> ScreenPixels(const RECT& rect);

// The picker dialog's own tooltip window (the one with a tool for the
// current swatch), or null.
HWND TooltipOf(HWND dialog);
// The text of the dialog's tool with that id.
std::u16string ToolText(HWND tooltip, HWND dialog, UINT_PTR id);
