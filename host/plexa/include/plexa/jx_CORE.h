// The host's core object as a plug-in module sees it: texts, streams,
// settings, folders, dialogs and windows, in the order of the host's table.
#pragma once

#include <cstdint>

#include "plexa/PlexaApi.h"

class jx_interface;
class jx_STREAM;
struct jx_GUID;

// Modes of OpenStream.
constexpr int kStreamReadFile = 0x101;
constexpr int kStreamReadFileShared = 0x901;
constexpr int kStreamCreateFile = 0x201;
constexpr int kStreamCreateNewFile = 0xA01;
constexpr int kStreamReadResource = 0x802;
constexpr int kStreamMemory = 0x303;

// Folder kinds of GetHostFolder.
constexpr int kFolderUser = 3;
constexpr int kFolderPalettes = 4;

constexpr int kReportWarning = 2;

class jx_CORE {
public:
    // Reads the module's "LNG"/"ENG" text table; the handle is 0 when the
    // module has none.
    virtual std::uint32_t LoadModuleTexts(jx_HANDLE instance) = 0;
    // Entry id of a loaded table; the empty text when there is no such
    // entry. Owned by the host and valid while the host runs.
    virtual const char16_t* LookupModuleText(std::uint32_t texts, int id) = 0;
    virtual int RegisterExtensionType(jx_HANDLE instance, const char* typeName, int reserved,
                                      const char16_t* displayName) = 0;
    // "ZQXMLDOCUMENT" makes an XML document; any other name gives null.
    virtual jx_interface* CreateObjectByName(const char* typeName) = 0;
    // The module holding the host's icon 1 (the host core library).
    virtual jx_HANDLE GetResourceModule(int reserved, int kind) = 0;
    virtual int ModuleStartup(jx_HANDLE instance) = 0;
    // A file path, a "TYPE|NAME" resource reference of instance, or nothing
    // (memory), by mode; null when it cannot be opened.
    virtual jx_STREAM* OpenStream(jx_HANDLE instance, const char16_t* path, int mode) = 0;
    virtual int ReportMessage(int kind, const char* text) = 0;
    // The folder of kind 3 or 4 into buffer (size in units); false for any
    // other kind or when it does not fit.
    virtual bool GetHostFolder(int kind, char16_t* buffer, int size) = 0;
    virtual jx_HANDLE GetMainWindow(int reserved) = 0;
    // section: a module's settings section, or null for the host-wide one.
    // key: "name" or "group\name". Reads give the stored value or the default.
    virtual int ReadSettingInt(const jx_GUID* section, const char* key, int defaultValue) = 0;
    virtual bool WriteSettingInt(const jx_GUID* section, const char* key, int value) = 0;
    virtual float ReadSettingFloat(const jx_GUID* section, const char* key, float defaultValue) = 0;
    virtual bool WriteSettingFloat(const jx_GUID* section, const char* key, float value) = 0;
    // Common open (save 0) or save (save 1) dialog. path (1024 units) holds
    // the proposed folder or file on entry and the chosen path on success.
    // filter: "title|description|patterns|description|patterns|...".
    virtual bool ShowFileDialog(jx_HANDLE owner, char16_t* path, const char16_t* filter, int save) = 0;
    virtual int ShowHelpTopic(const char* topic, int reserved) = 0;
    // Replaces every window text "#N" of the dialog and its children by
    // entry N of the text table.
    virtual int LocalizeDialog(std::uint32_t texts, jx_HANDLE dialog) = 0;
    virtual void SetControlText(jx_HANDLE window, const char16_t* text) = 0;
    // Returns the length copied; the text is cut to fit size (in units).
    virtual int GetControlText(jx_HANDLE window, char16_t* buffer, int size) = 0;
    virtual void SetDialogItemText(jx_HANDLE dialog, int id, const char16_t* text) = 0;
    // Asked once per module lifetime, when the module's first dialog opens,
    // so the host can learn of it; answers the host's dialog support level.
    virtual int QueryDialogSupport(jx_HANDLE dialog) = 0;

protected:
    ~jx_CORE() = default;
};

// The host's main frame, kept at offset 0 of the main window's extra bytes.
class PLEXA_API jx_FRAME {
public:
    using ModalStateListener = void (*)(void* context, int modalState);

    jx_FRAME();
    virtual ~jx_FRAME();
    // 1 when a modal run of a module starts, 0 when it ends; runs may nest.
    virtual void SetModalState(int state);
    // True while any modal run is in progress.
    bool IsModal() const;
    // Told of every change of the modal state.
    void SetListener(ModalStateListener listener, void* context);

private:
    int modalDepth;
    ModalStateListener listener;
    void* listenerContext;
};
