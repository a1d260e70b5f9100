#include "dialog/DialogKeyFilter.h"

#include "common/NoThrowBoundary.h"

namespace {

// The filter of the picker dialog this thread runs (one at a time).
thread_local DialogKeyFilter* activeFilter = nullptr;

} // namespace

DialogKeyFilter::~DialogKeyFilter()
{
    if (hook)
        UnhookWindowsHookEx(hook);
    if (activeFilter == this)
        activeFilter = nullptr;
}

void DialogKeyFilter::Start(HWND window, std::function<bool(const MSG&)> handler)
{
    dialog = window;
    handle = std::move(handler);
    if (!hook)
        hook = SetWindowsHookExW(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId());
    activeFilter = this;
}

bool DialogKeyFilter::Handles(const MSG& message) const
{
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP && message.message != WM_SYSKEYDOWN)
        return false;
    if (message.hwnd != dialog && !IsChild(dialog, message.hwnd))
        return false;
    return handle(message);
}

LRESULT CALLBACK DialogKeyFilter::FilterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    const bool handled = CallWithoutThrowing(
        false, [&] { return code == MSGF_DIALOGBOX && activeFilter && message && activeFilter->Handles(*message); });
    return handled ? TRUE : CallNextHookEx(nullptr, code, wParam, lParam);
}
