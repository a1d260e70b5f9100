#include "dialog/PhysicalPixels.h"

namespace {

// Looked up, not linked: the module also runs on systems without them.
template <typename Function> Function User32Function(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using SetAwarenessFunction = void*(WINAPI*)(void*);
using LogicalToPhysicalFunction = BOOL(WINAPI*)(HWND, POINT*);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, and the first per-monitor
// awareness for systems before it.
void* const kPerMonitorV2 = reinterpret_cast<void*>(static_cast<INT_PTR>(-4));
void* const kPerMonitor = reinterpret_cast<void*>(static_cast<INT_PTR>(-3));

SetAwarenessFunction SetThreadAwareness()
{
    static const auto function = User32Function<SetAwarenessFunction>("SetThreadDpiAwarenessContext");
    return function;
}

} // namespace

PhysicalPixelScope::PhysicalPixelScope()
{
    const auto setContext = SetThreadAwareness();
    if (!setContext)
        return;
    previous = setContext(kPerMonitorV2);
    if (!previous)
        previous = setContext(kPerMonitor);
}

PhysicalPixelScope::~PhysicalPixelScope()
{
    if (previous)
        SetThreadAwareness()(previous);
}

POINT ClientToPhysicalScreen(HWND window, POINT client)
{
    POINT point = client;
    MapWindowPoints(window, nullptr, &point, 1);
    if (POINT cursor{}; GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y) {
        const PhysicalPixelScope physical;
        if (GetCursorPos(&cursor))
            return cursor;
    }
    // Windows 8.1 on converts for the window's awareness whatever the
    // caller's; Vista's conversion is only right for an unaware caller,
    // which the dialog's thread is outside a scope when it is unaware.
    static const auto perMonitor = User32Function<LogicalToPhysicalFunction>("LogicalToPhysicalPointForPerMonitorDPI");
    static const auto vista = User32Function<LogicalToPhysicalFunction>("LogicalToPhysicalPoint");
    POINT converted = point;
    if (perMonitor ? perMonitor(window, &converted) : vista && vista(window, &converted))
        return converted;
    return point;
}
