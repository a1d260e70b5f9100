#include "color/LayoutBridge.h"
#include "common/DialogItem.h"

#include <new>

namespace {

// The dialog must be resizable and must not paint over its children.
constexpr LONG kForcedStyle = WS_CLIPCHILDREN | WS_THICKFRAME;

struct ResizeEntry {
    int id;
    std::uint32_t flags;
    LayoutRect recorded;
};

bool ControlRect(HWND dialog, HWND control, LayoutRect& rect)
{
    RECT window{};
    if (!control || !GetWindowRect(control, &window))
        return false;
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&window), 2);
    rect = {window.left, window.top, window.right, window.bottom};
    return true;
}

} // namespace

class CResizeLayout {
public:
    void Init()
    {
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        if ((style & kForcedStyle) != kForcedStyle)
            SetWindowLongW(window, GWL_STYLE, style | kForcedStyle);
        entries.clear();
        RECT client{};
        GetClientRect(window, &client);
        initialClient = {client.right, client.bottom};
        RECT frame{};
        GetWindowRect(window, &frame);
        minTrack = {frame.right - frame.left, frame.bottom - frame.top};
        for (const LayoutRule& rule : PickerLayoutRules()) {
            LayoutRect recorded;
            if (ControlRect(window, DialogItem(window, rule.id), recorded))
                entries.push_back({rule.id, rule.flags, recorded});
        }
    }

    void OnSize(WPARAM type, LPARAM size)
    {
        if (type == SIZE_MINIMIZED)
            return;
        UpdateLayout(static_cast<short>(LOWORD(size)), static_cast<short>(HIWORD(size)));
    }

    HWND window = nullptr;
    SIZE minTrack{-1, -1};

private:
    void UpdateLayout(int width, int height)
    {
        SendMessageW(window, WM_SETREDRAW, FALSE, 0);
        for (const ResizeEntry& entry : entries)
            PositionEntry(entry, width - initialClient.cx, height - initialClient.cy);
        SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    }

    void PositionEntry(const ResizeEntry& entry, int dx, int dy) const
    {
        HWND control = DialogItem(window, entry.id);
        LayoutRect current;
        if (!entry.flags || !ControlRect(window, control, current))
            return;
        const LayoutRect placed = PositionControl(entry.recorded, current, entry.flags, dx, dy);
        // Moving a window costs even when it stays where it is.
        if (placed == current)
            return;
        SetWindowPos(control, nullptr, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    std::vector<ResizeEntry> entries;
    SIZE initialClient{};
};

CCBridg::CCBridg() : layout(std::make_unique<CResizeLayout>()) {}

CCBridg::~CCBridg() = default;

void CCBridg::SetWindow(HWND dialog) { layout->window = dialog; }

void CCBridg::Init() { layout->Init(); }

bool CCBridg::ProcessMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(layout->window))
        return false;
    switch (message) {
    case WM_SIZE:
        layout->OnSize(wParam, lParam);
        return true;
    case WM_GETMINMAXINFO:
        if (layout->minTrack.cx != -1 && layout->minTrack.cy != -1)
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {layout->minTrack.cx, layout->minTrack.cy};
        return true;
    default:
        return false;
    }
}

SIZE CCBridg::MinTrackSize(const SIZE* newSize)
{
    if (newSize)
        layout->minTrack = *newSize;
    return layout->minTrack;
}

std::unique_ptr<CCBridg_base> CreateLayoutBridge()
{
    try {
        return std::make_unique<CCBridg>();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
