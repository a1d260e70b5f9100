#include "color/LayoutBridge.h"

void CCBridg::SetWindow(HWND dialog)
{
    RECT rect{};
    if (GetWindowRect(dialog, &rect))
        minTrackSize = {rect.right - rect.left, rect.bottom - rect.top};
}

bool CCBridg::ProcessMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_GETMINMAXINFO || minTrackSize.cx <= 0)
        return false;
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize = {minTrackSize.cx, minTrackSize.cy};
    result = 0;
    return true;
}
