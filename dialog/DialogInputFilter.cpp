#include "dialog/DialogInputFilter.h"

#include "common/NoThrowBoundary.h"

namespace {

// The filter of the picker dialog this thread runs (one at a time).
thread_local DialogInputFilter* activeFilter = nullptr;

} // namespace

DialogInputFilter::~DialogInputFilter()
{
    if (hook)
        UnhookWindowsHookEx(hook);
    if (activeFilter == this)
        activeFilter = nullptr;
}

void DialogInputFilter::Start(HWND window, std::function<bool(const MSG&)> keyHandler,
                              std::function<void(const MSG&)> mouseObserver)
{
    dialog = window;
    onKey = std::move(keyHandler);
    onMouse = std::move(mouseObserver);
    if (!hook)
        hook = SetWindowsHookExW(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId());
    activeFilter = this;
}

bool DialogInputFilter::Handles(const MSG& message) const
{
    const bool key = message.message == WM_KEYDOWN || message.message == WM_KEYUP || message.message == WM_SYSKEYDOWN;
    const bool mouse = message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST;
    if ((!key && !mouse) || (message.hwnd != dialog && !IsChild(dialog, message.hwnd)))
        return false;
    if (key)
        return onKey(message);
    onMouse(message);
    return false;
}

LRESULT CALLBACK DialogInputFilter::FilterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    const bool handled = CallWithoutThrowing(
        false, [&] { return code == MSGF_DIALOGBOX && activeFilter && message && activeFilter->Handles(*message); });
    return handled ? TRUE : CallNextHookEx(nullptr, code, wParam, lParam);
}
