#include "host/plexa/src/HostWindowClasses.h"

#include <windows.h>

#include "host/plexa/src/PlexaModule.h"

namespace {

void RegisterPlaceholderClass(HMODULE module, const wchar_t* name)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // Global, so dialogs of every module of the process can create it.
    windowClass.style = CS_GLOBALCLASS;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.cbWndExtra = sizeof(void*);
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

} // namespace

void RegisterHostWindowClasses()
{
    static bool registered = false;
    if (registered)
        return;
    const HMODULE module = PlexaModule();
    RegisterPlaceholderClass(module, L"JX_Toolbar");
    RegisterPlaceholderClass(module, L"JX_UPDOWN");
    registered = true;
}
