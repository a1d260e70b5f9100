// The module's one exported function and the message protocol the host
// drives it with.
#include <windows.h>

#include <cstring>
#include <new>
#include <string>

#include "common/NoThrowBoundary.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_EXTENSION.h"
#include "plexa/jx_MODULE.h"
#include "plugin/ClrPiker.h"
#include "plugin/ExtensionType.h"
#include "module/ModuleState.h"
#include "module/ModuleText.h"
#include "module/NtVersion.h"
#include "undo/UndoManager.h"

namespace {

constexpr char16_t kVersionTextValue[] = u"5.5.2.2867 Release";
constexpr int kNameTextId = 1;
constexpr int kDescriptionTextId = 2;
constexpr int kDisplayNameTextId = 4;

// Between a start-up and the next shut-down. A second start-up in that time
// would register the type and the message again; it is answered and ignored.
bool started = false;

int DetectNtVersionLevel()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&version))
        return 0;
#pragma GCC diagnostic pop
    return NtVersionLevelOf(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
}

INT_PTR Startup(INT_PTR host, INT_PTR instance)
{
    // Without a host object there is nothing to start on: answering 0 tells
    // the caller so, where the protocol's answer 5 would claim success.
    if (!host)
        return 0;
    if (started)
        return kJxStartupAnswer;
    NtVersionLevel = DetectNtVersionLevel();
    HostObject = reinterpret_cast<jx_CORE*>(host);
    ModuleInstance = reinterpret_cast<jx_HANDLE>(instance);
    LanguageCookie = HostObject->LoadModuleTexts(ModuleInstance);
    HostObject->ModuleStartup(ModuleInstance);
    HostObject->RegisterExtensionType(ModuleInstance, kColorPikerTypeName, 0, GetModuleText(kDisplayNameTextId));
    ColorChangeMessage = RegisterWindowMessageA(kColorChangeMessageName);
    started = true;
    return kJxStartupAnswer;
}

INT_PTR Shutdown()
{
    delete SharedUndoManager;
    SharedUndoManager = nullptr;
    started = false;
    return 0;
}

// The caller's buffer must hold the text and its terminator: the protocol
// gives no length. A null buffer receives nothing and is answered 0.
INT_PTR CopyToCaller(INT_PTR buffer, const char16_t* text)
{
    if (!buffer)
        return 0;
    std::memcpy(reinterpret_cast<char16_t*>(buffer), text, (std::char_traits<char16_t>::length(text) + 1) * 2);
    return 1;
}

INT_PTR CreateExtension(INT_PTR typeName)
{
    if (!IsExtensionTypeName(reinterpret_cast<const char*>(typeName)))
        return 0;
    return reinterpret_cast<INT_PTR>(new (std::nothrow) jx_ClrPiker());
}

INT_PTR Dispatch(UINT message, INT_PTR p1, INT_PTR p2)
{
    switch (message) {
    case kJxStartup:
        return Startup(p1, p2);
    case kJxShutdown:
        return Shutdown();
    case kJxInterfaceVersion:
        return kJxInterfaceVersionAnswer;
    case kJxQuery:
        return 1;
    case kJxVersionText:
        return CopyToCaller(p1, kVersionTextValue);
    case kJxNameText:
        return CopyToCaller(p1, GetModuleText(kNameTextId));
    case kJxDescriptionText:
        return CopyToCaller(p1, GetModuleText(kDescriptionTextId));
    case kJxCreateExtension:
        return CreateExtension(p1);
    default:
        return 0;
    }
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(instance);
    return TRUE;
}

// The protocol's arguments and result are 32-bit words on 32-bit Windows.
// They are pointer-sized here (INT_PTR), so the 64-bit build carries the
// host object, the module instance and the extension objects whole.
extern "C" __declspec(dllexport) INT_PTR WINAPI JXDLLFunc(UINT message, INT_PTR p1, INT_PTR p2)
{
    return CallWithoutThrowing<INT_PTR>(0, [&] { return Dispatch(message, p1, p2); });
}
