// A plug-in module as a host drives it: loaded from the host's folder,
// started with the core object, asked for extensions, shut down and freed.
#pragma once

#include <windows.h>

#include "plexa/jx_EXTENSION.h"

class jx_CORE;

class PluginModule {
public:
    // The messages of the module's entry point.
    static constexpr UINT kStartup = 0x2001;
    static constexpr UINT kShutdown = 0x2002;
    static constexpr UINT kCreateExtension = 0x11002;

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
    // A new "ColorPiker" extension (one reference, the caller's), or null.
    jx_COLORPIKER* CreatePicker() const;
    HMODULE Handle() const { return module; }

private:
    using EntryPoint = INT_PTR(WINAPI*)(UINT, INT_PTR, INT_PTR);

    HMODULE module = nullptr;
    EntryPoint entry = nullptr;
    bool started = false;
};
