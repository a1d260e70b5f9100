#include "dialog/PickerDialog.h"

#include "common/NoThrowBoundary.h"
#include "dialog/CltPiker.h"
#include "plexa/jx_CORE.h"
#include "plugin/ModuleState.h"

namespace {

INT_PTR OnInitDialog(HWND dialog, CCltPiker* controller)
{
    if (HostObject)
        HostObject->LocalizeDialog(LanguageCookie, dialog);
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(controller));
    controller->hDlg = dialog;
    controller->color.Install(CRGBA(controller->request.word[kPickerColor]));
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, WORD id)
{
    switch (id) {
    case IDOK:
        EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR Dispatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog(dialog, reinterpret_cast<CCltPiker*>(lParam));
    // Until WM_INITDIALOG has stored the controller, nothing else is handled.
    if (!GetWindowLongPtrW(dialog, DWLP_USER))
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK PickerDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutThrowing<INT_PTR>(FALSE, [&] { return Dispatch(dialog, message, wParam, lParam); });
}
