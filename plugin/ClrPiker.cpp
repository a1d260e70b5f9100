#include "ClrPiker.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "ExtensionType.h"
#include "ModuleState.h"
#include "dialog/CltPiker.h"
#include "dialog/PickerDialog.h"
#include "plexa/jx_CORE.h"

namespace {

constexpr int kPickerDialogId = 101;

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

} // namespace

void jx_ClrPiker::Delete() { delete this; }

const char* jx_ClrPiker::GetTypeName() { return kExtensionTypeName; }

int jx_ClrPiker::QueryStatus() { return 1; }

bool jx_ClrPiker::IsTypeOf(const char* typeName)
{
    return IsExtensionTypeName(typeName) || jx_COLORPIKER::IsTypeOf(typeName);
}

int jx_ClrPiker::PickColor(PickerRequest* request)
{
    if (!request)
        return 0;
    CCltPiker controller;
    std::copy(std::begin(request->word), std::end(request->word), std::begin(controller.request));
    SetFrameModalState(1);
    const auto owner = ULongToHandle(request->word[kRequestRequester]);
    const INT_PTR result =
        DialogBoxParamW(static_cast<HINSTANCE>(ModuleInstance), MAKEINTRESOURCEW(kPickerDialogId),
                        static_cast<HWND>(owner), PickerDialogProc, reinterpret_cast<LPARAM>(&controller));
    if (result != 0)
        request->word[kRequestColor] = controller.currentColor;
    SetFrameModalState(0);
    return static_cast<int>(result);
}
