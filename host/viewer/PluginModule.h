// A plug-in module as a host drives it: loaded from the host's folder,
// started with the core object, asked for extensions, shut down and freed.
#pragma once

#include <windows.h>

#include "plexa/jx_EXTENSION.h"
#include "plexa/jx_MODULE.h"

class jx_CORE;

class PluginModule {
public:
    PluginModule() = default;
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;
    // Shuts the module down if it was started, then unloads it.
    ~PluginModule();

    // Loads fileName from the folder of the running program; false when it
    // is missing or exports no JXDLLFunc.
    bool Load(const wchar_t* fileName);
    // Sends start-up with the core object and the module's instance.
    INT_PTR Start(jx_CORE* core);
    INT_PTR Send(UINT message, INT_PTR p1, INT_PTR p2) const;
    // A new color picker extension (one reference, the caller's), or null.
    jx_COLORPIKER* CreatePicker() const;
    HMODULE Handle() const { return module; }

private:
    HMODULE module = nullptr;
    jx_DLLFUNC entry = nullptr;
    bool started = false;
};
