#include "host/viewer/PluginModule.h"

#include <string>

PluginModule::~PluginModule()
{
    if (started)
        Send(kJxShutdown, 0, 0);
    if (module)
        FreeLibrary(module);
}

bool PluginModule::Load(const wchar_t* fileName)
{
    wchar_t programPath[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, programPath, MAX_PATH);
    std::wstring path(programPath, length);
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + fileName;
    module = LoadLibraryW(path.c_str());
    if (!module)
        return false;
    entry = reinterpret_cast<jx_DLLFUNC>(reinterpret_cast<void*>(GetProcAddress(module, kJxDllFuncName)));
    return entry != nullptr;
}

INT_PTR PluginModule::Start(jx_CORE* core)
{
    started = true;
    return Send(kJxStartup, reinterpret_cast<INT_PTR>(core), reinterpret_cast<INT_PTR>(module));
}

INT_PTR PluginModule::Send(UINT message, INT_PTR p1, INT_PTR p2) const { return entry ? entry(message, p1, p2) : 0; }

jx_COLORPIKER* PluginModule::CreatePicker() const
{
    return reinterpret_cast<jx_COLORPIKER*>(
        Send(kJxCreateExtension, reinterpret_cast<INT_PTR>(kColorPikerTypeName), 0));
}
