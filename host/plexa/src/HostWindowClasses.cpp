#include "host/plexa/src/HostWindowClasses.h"

#include <windows.h>
#include <commctrl.h>

#include "host/plexa/src/HostToolbar.h"
#include "host/plexa/src/HostUpDown.h"
#include "host/plexa/src/PlexaModule.h"

void RegisterHostWindowClasses()
{
    static bool registered = false;
    if (registered)
        return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    const HMODULE module = PlexaModule();
    RegisterHostToolbarClass(module);
    RegisterHostUpDownClass(module);
    registered = true;
}
