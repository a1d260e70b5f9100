// The module's one exported function and the message protocol the host
// drives it with.
#include <windows.h>

#include <cstring>
#include <new>
#include <string>

#include "ClrPiker.h"
#include "ExtensionType.h"
#include "ModuleState.h"
#include "ModuleText.h"
#include "NtVersion.h"
#include "plexa/jx_CORE.h"
#include "undo/UndoManager.h"

namespace {

enum EntryMessage : UINT {
    kStartup = 0x2001,
    kShutdown = 0x2002,
    kInterfaceVersion = 0x2010,
    kQuery = 0x201E,
    kVersionText = 0x2020,
    kNameText = 0x2021,
    kDescriptionText = 0x2022,
    kCreateExtension = 0x11002,
};

constexpr INT_PTR kStartupAnswer = 5;
constexpr INT_PTR kInterfaceVersionAnswer = 0x94;
constexpr char16_t kVersionTextValue[] = u"5.5.2.2867 Release";
constexpr int kNameTextId = 1;
constexpr int kDescriptionTextId = 2;
constexpr int kDisplayNameTextId = 4;

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
    NtVersionLevel = DetectNtVersionLevel();
    HostObject = reinterpret_cast<jx_CORE*>(host);
    ModuleInstance = reinterpret_cast<jx_HANDLE>(instance);
    LanguageCookie = HostObject->LoadModuleTexts(ModuleInstance);
    HostObject->ModuleStartup(ModuleInstance);
    HostObject->RegisterExtensionType(ModuleInstance, kExtensionTypeName, 0, GetModuleText(kDisplayNameTextId));
    ColorChangeMessage = RegisterWindowMessageA("3D color picker");
    return kStartupAnswer;
}

INT_PTR Shutdown()
{
    delete SharedUndoManager;
    SharedUndoManager = nullptr;
    return 0;
}

// The caller's buffer must hold the text and its terminator: the protocol
// gives no length.
INT_PTR CopyToCaller(INT_PTR buffer, const char16_t* text)
{
    std::memcpy(reinterpret_cast<char16_t*>(buffer), text, (std::char_traits<char16_t>::length(text) + 1) * 2);
    return 1;
}

INT_PTR CreateExtension(INT_PTR typeName)
{
    if (!IsExtensionTypeName(reinterpret_cast<const char*>(typeName)))
        return 0;
    return reinterpret_cast<INT_PTR>(new (std::nothrow) jx_ClrPiker());
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(instance);
    return TRUE;
}

extern "C" __declspec(dllexport) INT_PTR WINAPI JXDLLFunc(UINT message, INT_PTR p1, INT_PTR p2)
{
    switch (message) {
    case kStartup:
        return Startup(p1, p2);
    case kShutdown:
        return Shutdown();
    case kInterfaceVersion:
        return kInterfaceVersionAnswer;
    case kQuery:
        return 1;
    case kVersionText:
        return CopyToCaller(p1, kVersionTextValue);
    case kNameText:
        return CopyToCaller(p1, GetModuleText(kNameTextId));
    case kDescriptionText:
        return CopyToCaller(p1, GetModuleText(kDescriptionTextId));
    case kCreateExtension:
        return CreateExtension(p1);
    default:
        return 0;
    }
}
