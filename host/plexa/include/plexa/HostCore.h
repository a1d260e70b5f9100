// Creation of the host core object by a host application (and by tests),
// with everything that must be isolatable chosen up front.
#pragma once

#include "plexa/jx_CORE.h"

struct HostCoreConfig {
    // Registry key under HKEY_CURRENT_USER that holds all settings.
    const char16_t* settingsKey = u"Software\\Plexa";
    // Folder of kind 3; null: "Plexa" in the user's application-data folder.
    const char16_t* userFolder = nullptr;
    // Folder of kind 4; null: "Palettes" beside the host program.
    const char16_t* paletteFolder = nullptr;
    // Receives ReportMessage; null: a message box owned by the main window.
    void (*reportSink)(void* context, int kind, const char* text) = nullptr;
    void* reportContext = nullptr;
};

// The operations a host application has beyond what modules call.
class jx_HOSTCORE : public jx_CORE {
public:
    virtual void SetMainWindow(jx_HANDLE window) = 0;
    // The display name a module registered for an extension type (compared
    // ignoring case), or null when none did.
    virtual const char16_t* ExtensionDisplayName(const char* typeName) = 0;
    // How many module dialogs announced themselves through QueryDialogSupport.
    virtual int DialogSupportQueries() const = 0;
    virtual void Destroy() = 0;

protected:
    ~jx_HOSTCORE() = default;
};

PLEXA_API jx_HOSTCORE* CreateHostCore(const HostCoreConfig& config);
