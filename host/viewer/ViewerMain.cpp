// The stand-in host application: loads the color picker module as the real
// host would and lets the user recolor a shaded object with it.
#include <windows.h>

#include <cwchar>

#include "host/viewer/PluginModule.h"
#include "host/viewer/ViewerWindow.h"
#include "plexa/HostCore.h"

namespace {

constexpr wchar_t kPickerModule[] = L"ColorPicker.dll";

struct CoreHolder {
    explicit CoreHolder(jx_HOSTCORE* created) : core(created) {}
    ~CoreHolder() { core->Destroy(); }
    jx_HOSTCORE* core;
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    CoreHolder host(CreateHostCore(HostCoreConfig{}));
    // Declared after the core, so the module shuts down while the core lives.
    PluginModule module;
    if (!module.Load(kPickerModule)) {
        MessageBoxW(nullptr, L"ColorPicker.dll could not be loaded from the viewer's folder.", L"Plexa Viewer",
                    MB_ICONERROR);
        return 1;
    }
    module.Start(host.core);
    ViewerOptions options;
    options.core = host.core;
    options.picker = module.CreatePicker();
    options.showAlpha = std::wcsstr(commandLine, L"--alpha") != nullptr;
    HWND window = CreateViewerWindow(instance, options);
    const int exitCode = window ? RunViewer(window, std::wcsstr(commandLine, L"--pick") != nullptr) : 1;
    if (options.picker)
        options.picker->Release();
    return exitCode;
}
