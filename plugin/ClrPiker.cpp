#include "plugin/ClrPiker.h"

#include <windows.h>

#include "common/NoThrowBoundary.h"
#include "dialog/CltPiker.h"
#include "dialog/PickerDialog.h"
#include "plexa/jx_CORE.h"
#include "plugin/ExtensionType.h"
#include "module/ModuleState.h"
#include "resources/ResourceIds.h"

namespace {

// The host's main frame, looked up anew each time: a frame may come or go
// while the dialog runs.
jx_FRAME* MainFrame()
{
    const auto window = HostObject ? static_cast<HWND>(HostObject->GetMainWindow(0)) : nullptr;
    return window ? reinterpret_cast<jx_FRAME*>(GetWindowLongPtrW(window, 0)) : nullptr;
}

void SetFrameModalState(int state)
{
    if (jx_FRAME* frame = MainFrame())
        frame->SetModalState(state);
}

// Tells the host's frame that a modal run starts, and that it is over when
// the run ends by any path.
class ModalBracket {
public:
    ModalBracket() { SetFrameModalState(1); }
    ModalBracket(const ModalBracket&) = delete;
    ModalBracket& operator=(const ModalBracket&) = delete;
    ~ModalBracket() { SetFrameModalState(0); }
};

int RunPickerDialog(PickerRequest& request)
{
    CCltPiker controller;
    controller.request = request;
    INT_PTR result = 0;
    {
        const ModalBracket modal;
        const auto owner = static_cast<HWND>(ULongToHandle(request.word[kPickerRequester]));
        result = DialogBoxParamW(static_cast<HINSTANCE>(ModuleInstance), MAKEINTRESOURCEW(IDD_PICKER), owner,
                                 PickerDialogProc, reinterpret_cast<LPARAM>(&controller));
        if (result != 0)
            request.word[kPickerColor] = controller.color.currentColor.value;
    }
    return static_cast<int>(result);
}

} // namespace

void jx_ClrPiker::Delete() { delete this; }

const char* jx_ClrPiker::GetTypeName() { return kColorPikerTypeName; }

int jx_ClrPiker::QueryStatus() { return 1; }

bool jx_ClrPiker::IsTypeOf(const char* typeName)
{
    return IsExtensionTypeName(typeName) || jx_COLORPIKER::IsTypeOf(typeName);
}

int jx_ClrPiker::PickColor(PickerRequest* request)
{
    if (!request)
        return 0;
    return CallWithoutThrowing(0, [request] { return RunPickerDialog(*request); });
}
