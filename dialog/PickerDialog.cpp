#include "dialog/PickerDialog.h"

#include <windowsx.h>

#include "common/NoThrowBoundary.h"
#include "dialog/CltPiker.h"

namespace {

CCltPiker* ControllerOf(HWND dialog) { return reinterpret_cast<CCltPiker*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

INT_PTR Dispatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* controller = reinterpret_cast<CCltPiker*>(lParam);
        if (!controller)
            return FALSE;
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(controller));
        return controller->OnInitDialog(dialog);
    }
    // Until WM_INITDIALOG has stored the controller, nothing else is handled.
    CCltPiker* controller = ControllerOf(dialog);
    if (!controller)
        return FALSE;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const int keys = static_cast<int>(wParam);
    switch (message) {
    case WM_SIZE:
        controller->OnSize(wParam, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_PAINT:
        controller->OnPaint();
        return TRUE;
    case WM_DESTROY:
        controller->OnDestroy();
        return FALSE;
    case WM_GETMINMAXINFO: {
        if (controller->bridge && controller->bridge->ProcessMessage(dialog, message, wParam, lParam)) {
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        controller->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_SYSCOMMAND:
        controller->OnSysCommand(static_cast<int>(wParam));
        return FALSE;
    case WM_INITMENU:
        controller->OnInitMenu(reinterpret_cast<HMENU>(wParam));
        return FALSE;
    case WM_TIMER:
        controller->OnTimer(wParam);
        return FALSE;
    case WM_HELP:
        controller->ShowHelp();
        return TRUE;
    case WM_ACTIVATEAPP:
        controller->OnActivateApp(wParam != FALSE);
        return FALSE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), controller->backgroundColor);
        return reinterpret_cast<INT_PTR>(controller->BackgroundBrush());
    case WM_LBUTTONDOWN:
        controller->OnLeftButtonDown(keys, x, y);
        return FALSE;
    case WM_MOUSEMOVE:
        controller->OnMouseMove(keys, x, y);
        return FALSE;
    case WM_LBUTTONUP:
        controller->OnLeftButtonUp(keys, x, y);
        return FALSE;
    case WM_LBUTTONDBLCLK:
        controller->OnLeftButtonDoubleClick(keys, x, y);
        return FALSE;
    case WM_RBUTTONDOWN:
        controller->OnRightButtonDown(keys, x, y);
        return FALSE;
    case WM_MBUTTONDOWN:
        controller->OnMiddleButtonDown(keys, x, y);
        return FALSE;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        controller->OnShelfButtonUp(keys, x, y);
        return FALSE;
    case WM_MOUSEWHEEL: {
        POINT point{x, y};
        ScreenToClient(dialog, &point);
        controller->OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), point.x, point.y, GET_WHEEL_DELTA_WPARAM(wParam));
        return FALSE;
    }
    case WM_GETOBJECT:
        if (!controller->accessibility)
            return FALSE;
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, controller->accessibility->Answer(wParam, lParam));
        return TRUE;
    case WM_SETFOCUS:
        // The dialog keeps the focus a windowless control was given instead
        // of handing it to its first control.
        return controller->keyFocus != kNoElement;
    case WM_KILLFOCUS:
        controller->OnDialogFocusLost(reinterpret_cast<HWND>(wParam));
        return FALSE;
    case WM_ACTIVATE:
        // Back from another window: the windowless control that had the
        // focus gets it again, instead of the last real control.
        return LOWORD(wParam) != WA_INACTIVE && controller->RestoreElementFocus();
    case WM_CAPTURECHANGED:
        controller->OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return FALSE;
    case WM_VSCROLL:
        controller->OnVScroll(LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK PickerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutThrowing<INT_PTR>(FALSE, [&] { return Dispatch(dialog, message, wParam, lParam); });
}
