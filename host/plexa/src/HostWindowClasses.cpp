#include "host/plexa/src/HostWindowClasses.h"

#include <windows.h>

namespace {

HMODULE PlexaModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&RegisterHostWindowClasses), &module);
    return module;
}

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
