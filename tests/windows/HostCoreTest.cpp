#include <gtest/gtest.h>

#include <string>

#include "palette/ColorNameTable.h"
#include "palette/formats/GimpPalette.h"
#include "palette/formats/PaletteLists.h"
#include "resources/ResourceIds.h"
#include "tests/windows/TestHost.h"

#include <commdlg.h>
#include <dlgs.h>
#include "plexa/Win32Text.h"
#include "plexa/jx_GUID.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_STREAM.h"
#include "plexa/jx_XML.h"

namespace {

class HostCore : public ::testing::Test {
protected:
    jx_HOSTCORE* Core() { return picker.host.Core(); }
    HMODULE Module() { return picker.module.Handle(); }
    StartedPicker picker;
};

using StreamHolder = jx_REF<jx_STREAM>;

jx_GUID Section(const char* text)
{
    jx_GUID guid{};
    guid.FromStr(text);
    return guid;
}

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A modeless instance of the picker's dialog template, without its controller.
HWND CreateTemplateDialog(HMODULE module)
{
    return CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_PICKER), nullptr, InertDialogProc, 0);
}

} // namespace

TEST_F(HostCore, SettingsRoundTripInTheirSections)
{
    const jx_GUID module = Section("{4E1C471E-F17C-4cce-B59E-1EF52AC9AD64}");
    const jx_GUID other = Section("{23FCA3DE-B483-441C-0CB1-CB5729EAEADD}");
    EXPECT_EQ(Core()->ReadSettingInt(&module, "mode", -1), -1);
    EXPECT_TRUE(Core()->WriteSettingInt(&module, "mode", 3));
    EXPECT_TRUE(Core()->WriteSettingInt(&other, "mode", 5));
    EXPECT_TRUE(Core()->WriteSettingInt(nullptr, "2d\\GridMode", 2));
    EXPECT_TRUE(Core()->WriteSettingInt(nullptr, "2d\\G1Color", static_cast<int>(0xFFCCCCCCu)));
    EXPECT_EQ(Core()->ReadSettingInt(&module, "mode", -1), 3);
    EXPECT_EQ(Core()->ReadSettingInt(&other, "mode", -1), 5);
    EXPECT_EQ(Core()->ReadSettingInt(nullptr, "2d\\GridMode", 0), 2);
    EXPECT_EQ(static_cast<unsigned>(Core()->ReadSettingInt(nullptr, "2d\\G1Color", 0)), 0xFFCCCCCCu);
    EXPECT_EQ(Core()->ReadSettingInt(nullptr, "mode", 9), 9);
}

TEST_F(HostCore, FloatSettingsKeepEveryBit)
{
    const jx_GUID module = Section("{4E1C471E-F17C-4cce-B59E-1EF52AC9AD64}");
    for (const float value : {0.1f, -123456.789f, 1e-30f, 3.4028235e38f}) {
        EXPECT_TRUE(Core()->WriteSettingFloat(&module, "scale", value));
        EXPECT_EQ(Core()->ReadSettingFloat(&module, "scale", 0.0f), value);
    }
    // A value of the other type reads as the default.
    EXPECT_EQ(Core()->ReadSettingInt(&module, "scale", 42), 42);
    Core()->WriteSettingInt(&module, "count", 7);
    EXPECT_EQ(Core()->ReadSettingFloat(&module, "count", 0.5f), 0.5f);
}

TEST_F(HostCore, SettingsLiveUnderTheChosenKey)
{
    Core()->WriteSettingInt(nullptr, "probe", 1);
    const std::u16string key = picker.host.SettingsKey() + u"\\Global";
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, AsWide(key.c_str()), L"probe", RRF_RT_REG_DWORD, nullptr, &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 1u);
}

TEST_F(HostCore, ModuleTextsByNumber)
{
    const std::uint32_t texts = Core()->LoadModuleTexts(Module());
    ASSERT_NE(texts, 0u);
    EXPECT_EQ(std::u16string(Core()->LookupModuleText(texts, 10)), u"Color");
    EXPECT_EQ(std::u16string(Core()->LookupModuleText(texts, 46)), u"palette.html");
    EXPECT_EQ(std::u16string(Core()->LookupModuleText(texts, 3)), u"");
    EXPECT_EQ(std::u16string(Core()->LookupModuleText(0, 10)), u"");
    EXPECT_EQ(std::u16string(Core()->LookupModuleText(texts + 100, 10)), u"");
    // A module without a language table has no texts.
    EXPECT_EQ(Core()->LoadModuleTexts(GetModuleHandleW(nullptr)), 0u);
}

TEST_F(HostCore, ResourceStreamsByTypeAndNameIgnoringCase)
{
    StreamHolder table(Core()->OpenStream(Module(), u"lng|eng", kStreamReadResource));
    ASSERT_NE(table.get(), nullptr);
    char line[255];
    bool found = false;
    while (table->ReadLine(line, 255))
        found = found || std::string(line) == "1=\"ColorPicker\"";
    EXPECT_TRUE(found);
    EXPECT_EQ(table->Write("x", 1), 0);
    for (const char16_t* bad : {u"LNG", u"|ENG", u"LNG|", u"LNG|NONE", u"", static_cast<const char16_t*>(nullptr)})
        EXPECT_EQ(Core()->OpenStream(Module(), bad, kStreamReadResource), nullptr);
}

TEST_F(HostCore, FileStreamsByMode)
{
    const std::u16string path = picker.host.UserFolder().File(u"Default palette.gpl");
    EXPECT_EQ(Core()->OpenStream(nullptr, path.c_str(), kStreamReadFile), nullptr);
    {
        StreamHolder created(Core()->OpenStream(nullptr, path.c_str(), kStreamCreateNewFile));
        ASSERT_NE(created.get(), nullptr);
        created->Printf("GIMP Palette\r\n");
        EXPECT_EQ(created->Commit(), 0);
    }
    EXPECT_EQ(Core()->OpenStream(nullptr, path.c_str(), kStreamCreateNewFile), nullptr);
    StreamHolder read(Core()->OpenStream(nullptr, path.c_str(), kStreamReadFileShared));
    ASSERT_NE(read.get(), nullptr);
    char16_t name[256] = {};
    read->GetFileName(name, 256, 1);
    EXPECT_EQ(std::u16string(name), path);
    char line[255];
    ASSERT_EQ(read->ReadLine(line, 255), 1);
    EXPECT_STREQ(line, "GIMP Palette");
    const std::u16string missingFolder = picker.host.UserFolder().File(u"no such folder\\x.gpl");
    EXPECT_EQ(Core()->OpenStream(nullptr, missingFolder.c_str(), kStreamCreateFile), nullptr);
}

TEST_F(HostCore, HostFoldersAreTheConfiguredOnes)
{
    char16_t folder[1024] = {};
    ASSERT_TRUE(Core()->GetHostFolder(kFolderUser, folder, 1024));
    EXPECT_EQ(std::u16string(folder), picker.host.UserFolder().Path());
    ASSERT_TRUE(Core()->GetHostFolder(kFolderPalettes, folder, 1024));
    EXPECT_EQ(std::u16string(folder), picker.host.PaletteFolder());
    // The palette folder may well not exist; the host does not create it.
    EXPECT_EQ(GetFileAttributesW(AsWide(folder)), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(Core()->GetHostFolder(5, folder, 1024));
    EXPECT_FALSE(Core()->GetHostFolder(kFolderUser, folder, 4));
}

TEST_F(HostCore, ReportsGoToTheHostsSink)
{
    Core()->ReportMessage(kReportWarning, "Unknown color space. Send palette file to support");
    ASSERT_EQ(picker.host.reports.size(), 1u);
    EXPECT_EQ(picker.host.reports[0], "2:Unknown color space. Send palette file to support");
}

TEST_F(HostCore, ControlTexts)
{
    HWND dialog = CreateTemplateDialog(Module());
    ASSERT_NE(dialog, nullptr);
    HWND hexField = GetDlgItem(dialog, IDC_HEX_FIELD);
    Core()->SetControlText(hexField, u"ff8000");
    char16_t text[100] = {};
    EXPECT_EQ(Core()->GetControlText(hexField, text, 100), 6);
    EXPECT_EQ(std::u16string(text), u"ff8000");
    EXPECT_EQ(Core()->GetControlText(hexField, text, 4), 3);
    EXPECT_EQ(std::u16string(text), u"ff8");
    Core()->SetDialogItemText(dialog, 2, u"Close");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDCANCEL)), u"Close");
    DestroyWindow(dialog);
}

TEST_F(HostCore, LocalizeDialogReplacesPlaceholdersButNotPictureNames)
{
    HWND dialog = CreateTemplateDialog(Module());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), u"#10");
    // Entry 55 is empty; the table has no entry 54.
    SetWindowTextW(GetDlgItem(dialog, IDC_HEX_LABEL), L"#55");
    SetWindowTextW(GetDlgItem(dialog, IDC_RGB_LABEL), L"#54");
    const std::uint32_t texts = Core()->LoadModuleTexts(Module());
    EXPECT_EQ(Core()->LocalizeDialog(texts, dialog), 1);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_HEX_LABEL)), u"");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_RGB_LABEL)), u"#54");
    EXPECT_EQ(WindowText(dialog), u"Color");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), u"Ok");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_MODE_BLUE)), u"B");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SIZE_MODE)), u">");
    // The eyedropper picture keeps the name of its bitmap.
    EXPECT_NE(WindowText(GetDlgItem(dialog, IDC_EYEDROPPER)), u"");
    EXPECT_EQ(Core()->LocalizeDialog(0, dialog), 0);
    DestroyWindow(dialog);
}

TEST_F(HostCore, MakesNoObjectOfAnUnknownName)
{
    EXPECT_EQ(Core()->CreateObjectByName("NOSUCHOBJECT"), nullptr);
    EXPECT_EQ(Core()->CreateObjectByName(nullptr), nullptr);
}

TEST_F(HostCore, FileDialogCancelledLeavesThePath)
{
    RequesterWindow owner(nullptr);
    owner.onIdle = [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); };
    char16_t path[1024] = {};
    const std::u16string folder = picker.host.UserFolder().Path() + u"\\";
    folder.copy(path, folder.size());
    const std::uint32_t texts = Core()->LoadModuleTexts(Module());
    EXPECT_FALSE(Core()->ShowFileDialog(owner.Handle(), path, Core()->LookupModuleText(texts, IDS_OPEN_FILTER), 0));
    EXPECT_EQ(std::u16string(path), folder);
}

TEST_F(HostCore, MakesXmlDocumentsThatReadModuleTexts)
{
    jx_REF<jx_XMLDOCUMENT> document(static_cast<jx_XMLDOCUMENT*>(Core()->CreateObjectByName("ZQXMLDOCUMENT")));
    ASSERT_TRUE(document);
    jx_XMLNODE* entry = document->AddChild(u"palette");
    entry->SetAttribute(u"name", u"#91");
    document->BindModule(Core()->LoadModuleTexts(Module()));
    EXPECT_EQ(std::u16string(entry->GetAttribute(u"name")->value.GetBuffer()), u"Simple palette");
}

TEST_F(HostCore, BuiltInPalettesOpenAsResourceStreams)
{
    struct Case {
        const char16_t* reference;
        int colors;
        int names;
    };
    for (const Case& c : {Case{u"PALETTE|simple_palette", 36, 16}, Case{u"PALETTE|PALETTE_HUE", 171, 169},
                          Case{u"palette|palette_lightness", 171, 171}}) {
        StreamHolder stream(Core()->OpenStream(Module(), c.reference, kStreamReadResource));
        ASSERT_TRUE(stream);
        const jx_REF<jx_COLLECTION> colors(CreateColorList());
        const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
        ReadGimpPalette(stream.get(), colors.get(), names.get());
        EXPECT_EQ(colors->Count(), c.colors);
        EXPECT_EQ(names->Count(), c.names);
    }
}

TEST_F(HostCore, TheResourceModuleHoldsTheHostsIcon)
{
    const auto module = static_cast<HMODULE>(Core()->GetResourceModule(0, 1));
    ASSERT_NE(module, nullptr);
    EXPECT_NE(LoadIconW(module, MAKEINTRESOURCEW(1)), nullptr);
}

TEST_F(HostCore, EmptySlotBitmapIsTwentyPixelsSquare)
{
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageW(Module(), MAKEINTRESOURCEW(IDB_EMPTY_SLOT), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 20);
    EXPECT_EQ(info.bmHeight, 20);
    DeleteObject(bitmap);
}

TEST_F(HostCore, FileDialogReturnsTheChosenPath)
{
    RequesterWindow owner(nullptr);
    owner.onIdle = [](HWND dialog) {
        SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(L"chosen.gpl"));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    };
    const std::u16string folder = picker.host.UserFolder().Path();
    char16_t path[1024] = {};
    const std::u16string proposed = folder + u"\\palette.html";
    proposed.copy(path, proposed.size());
    const std::uint32_t texts = Core()->LoadModuleTexts(Module());
    ASSERT_TRUE(Core()->ShowFileDialog(owner.Handle(), path, Core()->LookupModuleText(texts, IDS_SAVE_FILTER), 1));
    // No extension is added: the writers treat a bare name as a GIMP palette.
    EXPECT_EQ(std::u16string(path), folder + u"\\chosen.gpl");
}

TEST_F(HostCore, HelpForAMissingPageOpensNothing)
{
    EXPECT_EQ(Core()->ShowHelpTopic("no_such_page.htm", 0), 0);
    EXPECT_EQ(Core()->ShowHelpTopic("", 0), 0);
    EXPECT_EQ(Core()->ShowHelpTopic(nullptr, 0), 0);
}
