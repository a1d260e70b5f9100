// The stand-in host's core object: what a module calls, backed by the
// portable parts (text tables, streams, settings) and thin Win32 glue.
#include "plexa/HostCore.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/AsciiText.h"
#include "host/plexa/src/DialogLocalizer.h"
#include "host/plexa/src/FileDialog.h"
#include "host/plexa/src/FileStream.h"
#include "host/plexa/src/HostWindowClasses.h"
#include "host/plexa/src/MemoryStream.h"
#include "host/plexa/src/PlexaModule.h"
#include "host/plexa/src/RegistrySettings.h"
#include "host/plexa/src/ToolbarImages.h"
#include "host/plexa/src/TextTable.h"
#include "plexa/Win32Text.h"
#include "plexa/jx_XML.h"

namespace {

std::u16string ModuleFolder(HMODULE module)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    std::u16string folder(AsUtf16(path), length);
    const auto separator = folder.find_last_of(u"\\/");
    return separator == std::u16string::npos ? std::u16string() : folder.substr(0, separator);
}

std::u16string DefaultUserFolder()
{
    wchar_t appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return ModuleFolder(nullptr);
    return std::u16string(AsUtf16(appData)) + u"\\Plexa";
}

bool CopyText(const std::u16string& text, char16_t* buffer, int size)
{
    if (!buffer || size <= 0 || static_cast<int>(text.size()) >= size)
        return false;
    text.copy(buffer, text.size());
    buffer[text.size()] = 0;
    return true;
}

// The bytes of a found resource; they live as long as the module is loaded.
std::string_view ResourceBytes(HMODULE module, HRSRC found)
{
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string_view(bytes, SizeofResource(module, found)) : std::string_view();
}

// Opens resource "TYPE|NAME" of module as a read-only view of its bytes.
jx_STREAM* OpenResourceStream(HMODULE module, const char16_t* reference)
{
    const std::u16string text = reference ? reference : u"";
    const auto bar = text.find(u'|');
    if (bar == std::u16string::npos || bar == 0 || bar + 1 == text.size())
        return nullptr;
    const std::u16string type = text.substr(0, bar);
    const std::u16string name = text.substr(bar + 1);
    // Resource names and types compare without case; "#N" names number N.
    const std::string_view bytes =
        ResourceBytes(module, FindResourceW(module, AsWide(name.c_str()), AsWide(type.c_str())));
    if (!bytes.data())
        return nullptr;
    return new MemoryStream(bytes.data(), static_cast<std::int32_t>(bytes.size()));
}

class HostCore final : public jx_HOSTCORE {
public:
    explicit HostCore(const HostCoreConfig& config)
        : settings(config.settingsKey ? config.settingsKey : u"Software\\Plexa"),
          userFolder(config.userFolder ? config.userFolder : DefaultUserFolder()),
          paletteFolder(config.paletteFolder ? config.paletteFolder : ModuleFolder(nullptr) + u"\\Palettes"),
          reportSink(config.reportSink), reportContext(config.reportContext)
    {
    }

    std::uint32_t LoadModuleTexts(jx_HANDLE instance) override
    {
        const auto module = static_cast<HMODULE>(instance);
        HRSRC found = FindResourceExW(module, L"LNG", L"ENG", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        if (!found)
            found = FindResourceW(module, L"ENG", L"LNG");
        const std::string_view bytes = ResourceBytes(module, found);
        if (!bytes.data())
            return 0;
        auto table = std::make_unique<TextTable>();
        table->Parse(bytes);
        textTables.push_back(std::move(table));
        return static_cast<std::uint32_t>(textTables.size());
    }

    const char16_t* LookupModuleText(std::uint32_t texts, int id) override
    {
        const TextTable* table = Table(texts);
        return table ? table->Lookup(id) : u"";
    }

    int RegisterExtensionType(jx_HANDLE, const char* typeName, int, const char16_t* displayName) override
    {
        if (!typeName)
            return 0;
        extensionTypes.push_back({typeName, displayName ? displayName : u""});
        return static_cast<int>(extensionTypes.size());
    }

    jx_interface* CreateObjectByName(const char* typeName) override
    {
        if (!EqualsIgnoringAsciiCase(typeName, "ZQXMLDOCUMENT"))
            return nullptr;
        // A missing entry keeps the "#N" value; an empty one reads as empty.
        return CreateXmlDocument(
            [](void* core, std::uint32_t texts, int id) -> const char16_t* {
                const TextTable* table = static_cast<HostCore*>(core)->Table(texts);
                return table ? table->Find(id) : nullptr;
            },
            this);
    }

    // The host's icon 1 is a resource of this library, so every host program
    // (the viewer, the tests) answers a module that has it.
    jx_HANDLE GetResourceModule(int, int) override { return PlexaModule(); }

    // The module's toolbar image sets become known by their GUIDs.
    int ModuleStartup(jx_HANDLE instance) override
    {
        if (!instance)
            return 0;
        RegisterModuleToolbarImages(static_cast<HMODULE>(instance));
        return 1;
    }

    jx_STREAM* OpenStream(jx_HANDLE instance, const char16_t* path, int mode) override
    {
        if (mode == kStreamMemory)
            return new MemoryStream();
        if (mode == kStreamReadResource)
            return OpenResourceStream(instance ? static_cast<HMODULE>(instance) : GetModuleHandleW(nullptr), path);
        int error = 0;
        return OpenFileStream(path, mode, error);
    }

    int ReportMessage(int kind, const char* text) override
    {
        if (reportSink) {
            reportSink(reportContext, kind, text ? text : "");
            return 1;
        }
        const UINT icon = kind == kReportWarning ? MB_ICONWARNING : MB_ICONINFORMATION;
        MessageBoxA(mainWindow, text ? text : "", "Plexa", MB_OK | icon);
        return 1;
    }

    bool GetHostFolder(int kind, char16_t* buffer, int size) override
    {
        if (kind == kFolderUser) {
            // The per-user folder is promised writable, so it must exist.
            SHCreateDirectoryExW(nullptr, AsWide(userFolder.c_str()), nullptr);
            return CopyText(userFolder, buffer, size);
        }
        if (kind == kFolderPalettes)
            return CopyText(paletteFolder, buffer, size);
        return false;
    }

    jx_HANDLE GetMainWindow(int) override { return mainWindow; }

    int ReadSettingInt(const jx_GUID* section, const char* key, int defaultValue) override
    {
        return key ? settings.ReadInt(SettingsSectionName(section), key, defaultValue) : defaultValue;
    }

    bool WriteSettingInt(const jx_GUID* section, const char* key, int value) override
    {
        return key && settings.WriteInt(SettingsSectionName(section), key, value);
    }

    float ReadSettingFloat(const jx_GUID* section, const char* key, float defaultValue) override
    {
        return key ? settings.ReadFloat(SettingsSectionName(section), key, defaultValue) : defaultValue;
    }

    bool WriteSettingFloat(const jx_GUID* section, const char* key, float value) override
    {
        return key && settings.WriteFloat(SettingsSectionName(section), key, value);
    }

    bool ShowFileDialog(jx_HANDLE owner, char16_t* path, const char16_t* filter, int save) override
    {
        return ShowCommonFileDialog(static_cast<HWND>(owner), path, filter, save != 0);
    }

    // Help pages live in "Help" beside the host program; a missing page
    // opens nothing.
    int ShowHelpTopic(const char* topic, int) override
    {
        if (!topic || !*topic)
            return 0;
        std::u16string page = ModuleFolder(nullptr) + u"\\Help\\";
        for (const char* c = topic; *c; ++c)
            page.push_back(static_cast<unsigned char>(*c));
        if (GetFileAttributesW(AsWide(page.c_str())) == INVALID_FILE_ATTRIBUTES)
            return 0;
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(mainWindow, L"open", AsWide(page.c_str()), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32 ? 1 : 0;
    }

    int LocalizeDialog(std::uint32_t texts, jx_HANDLE dialog) override
    {
        const TextTable* table = Table(texts);
        if (!table)
            return 0;
        LocalizeDialogTexts(*table, static_cast<HWND>(dialog));
        return 1;
    }

    void SetControlText(jx_HANDLE window, const char16_t* text) override
    {
        SetWindowTextW(static_cast<HWND>(window), AsWide(text ? text : u""));
    }

    int GetControlText(jx_HANDLE window, char16_t* buffer, int size) override
    {
        if (!buffer || size <= 0)
            return 0;
        buffer[0] = 0;
        return GetWindowTextW(static_cast<HWND>(window), AsWide(buffer), size);
    }

    void SetDialogItemText(jx_HANDLE dialog, int id, const char16_t* text) override
    {
        SetDlgItemTextW(static_cast<HWND>(dialog), id, AsWide(text ? text : u""));
    }

    int QueryDialogSupport(jx_HANDLE dialog) override
    {
        if (!IsWindow(static_cast<HWND>(dialog)))
            return 0;
        ++dialogQueries;
        return 1;
    }

    int DialogSupportQueries() const override { return dialogQueries; }

    void SetMainWindow(jx_HANDLE window) override { mainWindow = static_cast<HWND>(window); }

    const char16_t* ExtensionDisplayName(const char* typeName) override
    {
        for (const ExtensionType& type : extensionTypes)
            if (EqualsIgnoringAsciiCase(type.name.c_str(), typeName))
                return type.displayName.c_str();
        return nullptr;
    }

    void Destroy() override { delete this; }

private:
    ~HostCore() = default;

    const TextTable* Table(std::uint32_t texts) const
    {
        return texts >= 1 && texts <= textTables.size() ? textTables[texts - 1].get() : nullptr;
    }

    struct ExtensionType {
        std::string name;
        std::u16string displayName;
    };

    RegistrySettings settings;
    std::u16string userFolder;
    std::u16string paletteFolder;
    void (*reportSink)(void*, int, const char*);
    void* reportContext;
    HWND mainWindow = nullptr;
    int dialogQueries = 0;
    std::vector<std::unique_ptr<TextTable>> textTables;
    std::vector<ExtensionType> extensionTypes;
};

} // namespace

jx_HOSTCORE* CreateHostCore(const HostCoreConfig& config)
{
    RegisterHostWindowClasses();
    return new HostCore(config);
}
