#include "host/plexa/src/HostWindowClasses.h"

#include <windows.h>
#include <commctrl.h>

#include "host/plexa/src/HostToolbar.h"
#include "host/plexa/src/HostUpDown.h"
#include "host/plexa/src/PlexaModule.h"

namespace {

void RegisterHostClass(HMODULE module, const wchar_t* name, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // Global, so dialogs of every module of the process can create it.
    windowClass.style = CS_GLOBALCLASS;
    windowClass.lpfnWndProc = procedure;
    // Window long 0: the class's host object.
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
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    const HMODULE module = PlexaModule();
    RegisterHostClass(module, L"JX_Toolbar", HostToolbarProc);
    RegisterHostUpDownClass(module);
    registered = true;
}
