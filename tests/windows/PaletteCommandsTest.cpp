// Palettes as a whole, driven as a user drives them: the catalog's menu
// built from the palette folder, entries chosen, files loaded and saved
// through the host's file dialog (answered through its own controls), the
// undo history across edits and runs, and the default palette that every
// close leaves in the palette folder, read back to see the shelf.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "common/Utf8.h"
#include "dialog/PickerSettings.h"
#include "plexa/jx_TOOLBAR.h"
#include "resources/ResourceIds.h"
#include "tests/windows/TestHost.h"

namespace {

constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;
constexpr int kMessageText = 0xFFFF;
constexpr UINT kAnswerMilliseconds = 50;

std::string ReadFile(const std::u16string& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::u16string& path, const std::string& text)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary) << text;
}

// The color lines of a GIMP palette, "r g b" each, names dropped.
std::vector<std::string> ColorLines(const std::string& palette)
{
    std::vector<std::string> colors;
    std::istringstream lines(palette);
    std::string line;
    while (std::getline(lines, line)) {
        int r = 0, g = 0, b = 0;
        if (std::sscanf(line.c_str(), "%d %d %d", &r, &g, &b) == 3)
            colors.push_back(std::to_string(r) + " " + std::to_string(g) + " " + std::to_string(b));
    }
    return colors;
}

std::u16string BuiltIn(const char* name) { return Utf8ToUtf16(std::string(BUILT_IN_PALETTES "/") + name); }

jx_TOOLBAR* Toolbar(HWND dialog, int id)
{
    return reinterpret_cast<jx_TOOLBAR*>(GetWindowLongPtrW(GetDlgItem(dialog, id), 0));
}

jx_MENU* PaletteMenu(HWND dialog)
{
    jx_TOOLBAR* toolbar = Toolbar(dialog, IDC_PALETTE_TOOLBAR);
    return toolbar->GetButtonMenu(toolbar->FindButton(IDM_PALETTE_MENU, 0));
}

// The undo toolbar as "undo redo", 1 for an enabled button.
std::string UndoButtons(HWND dialog)
{
    jx_TOOLBAR* toolbar = Toolbar(dialog, IDC_UNDO_TOOLBAR);
    return std::to_string(toolbar->FindButton(IDM_UNDO, 0)->IsEnabled()) + " " +
           std::to_string(toolbar->FindButton(IDM_REDO, 0)->IsEnabled());
}

void Command(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, id, 0); }

// Answers the modal windows that open on this thread while it lives (file
// dialogs, message boxes), each with the next answer in order.
class ModalAnswers {
public:
    ModalAnswers()
    {
        active = this;
        timer = SetTimer(nullptr, 0, kAnswerMilliseconds, Tick);
    }
    ~ModalAnswers()
    {
        KillTimer(nullptr, timer);
        active = nullptr;
    }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    // A file dialog answered with a path.
    void ChooseFile(const std::u16string& path) { answers.push_back({path, IDOK}); }
    // A message box (its text is kept) or a file dialog, ended with a button.
    void Press(int button) { answers.push_back({u"", button}); }

    std::vector<std::u16string> messages;
    size_t Pending() const { return answers.size(); }

private:
    struct Answer {
        std::u16string path;
        int button;
    };

    static BOOL CALLBACK Visit(HWND window, LPARAM)
    {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (!active || active->answers.empty() || !IsWindowVisible(window) || lstrcmpW(className, L"#32770") != 0 ||
            !GetWindow(window, GW_OWNER) || active->seen.count(window))
            return TRUE;
        // The picker dialog has no file name box and no message: it is no answer's.
        const bool fileDialog = GetDlgItem(window, kFileNameCombo) || GetDlgItem(window, kFileNameEdit);
        const bool messageBox = GetDlgItem(window, kMessageText) != nullptr;
        if (!fileDialog && !messageBox)
            return TRUE;
        active->seen.insert(window);
        const Answer answer = active->answers.front();
        active->answers.erase(active->answers.begin());
        if (messageBox)
            active->messages.push_back(WindowText(GetDlgItem(window, kMessageText)));
        if (fileDialog && !answer.path.empty()) {
            const std::wstring wide(answer.path.begin(), answer.path.end());
            SetDlgItemTextW(window, kFileNameCombo, wide.c_str());
            SetDlgItemTextW(window, kFileNameEdit, wide.c_str());
        }
        PostMessageW(window, WM_COMMAND, answer.button, 0);
        return FALSE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), Visit, 0); }

    static inline ModalAnswers* active = nullptr;
    UINT_PTR timer = 0;
    std::vector<Answer> answers;
    std::set<HWND> seen;
};

class PaletteCommands : public DialogRunner {
protected:
    // Saves the shelf over path through the file dialog, confirming the
    // replacement; answers the last message box shown.
    std::u16string SaveOverAFileThatExists(const std::u16string& path)
    {
        ModalAnswers answers;
        Run(0, 0, [&](HWND dialog) {
            answers.ChooseFile(path);
            answers.Press(IDYES);
            answers.Press(IDOK);
            Command(dialog, IDM_SAVE_PALETTE);
        });
        return answers.messages.empty() ? u"" : answers.messages.back();
    }
    PaletteCommands() { Core()->WriteSettingInt(&kPickerSettingsSection, "SizeMode", 0); }
    std::u16string Folder() const { return picker.host.UserFolder().File(u"Palettes\\"); }
    std::u16string DefaultPalette() const { return Folder() + u"Default palette.gpl"; }
    std::u16string Catalog() const { return Folder() + u"List palettes.xml"; }
    void Prepare(const std::u16string& name, const std::string& text)
    {
        std::filesystem::create_directories(std::filesystem::path(Folder()));
        WriteFile(Folder() + name, text);
    }
};

// "text:command:flags:state" per item, a submenu's items following in brackets.
std::string Describe(jx_MENU* menu)
{
    std::string text;
    for (int i = 0; i < menu->ItemCount(); ++i) {
        jx_MENUITEM* item = menu->Item(i);
        if (!text.empty())
            text += ", ";
        text += Utf16ToUtf8(item->Text()) + ":" + std::to_string(item->command) + ":" + std::to_string(item->flags) +
                ":" + std::to_string(item->state);
        if (item->flags & kMenuItemSubmenu)
            text += " [" + Describe(item->Submenu()) + "]";
    }
    return text;
}

} // namespace

TEST_F(PaletteCommands, TheBuiltInCatalogFillsTheMenuAndIsCopiedOnceForTheUserToEdit)
{
    Run(0, 0, [&](HWND dialog) {
        // Palettes 4001 to 4003, a separator, "My palettes" with 4004 and
        // the two files not there yet, a separator, and the default palette,
        // which this first run has not saved yet.
        EXPECT_EQ(Describe(PaletteMenu(dialog)),
                  "Simple palette:4001:8:0, Named colors by Hue:4002:8:0, Named colors by Lightness:4003:8:0, :0:8:0, "
                  "My palettes:0:4:0 [Simple palette:4004:8:0, Simple palette, file:4005:8:32, "
                  "Named colors by Hue 10:4006:8:32], :0:8:0, Palette before edit:4007:8:32");
    });
    const std::string copied = ReadFile(Catalog());
    EXPECT_NE(copied.find("<palette name=\"#98\" file=\"Default palette.gpl\"/>"), std::string::npos);

    WriteFile(Catalog(), "<palettes><palette name=\"Mine\" file=\"Default palette.gpl\"/></palettes>");
    Run(0, 0, [&](HWND dialog) { EXPECT_EQ(Describe(PaletteMenu(dialog)), "Mine:4001:8:0"); });
    EXPECT_EQ(ReadFile(Catalog()), "<palettes><palette name=\"Mine\" file=\"Default palette.gpl\"/></palettes>");
}

TEST_F(PaletteCommands, ABadlyEditedCatalogStillGivesAMenu)
{
    // Unknown elements and text are passed over, markup characters in names
    // are text, a palette with only a name is a separator, and the broken
    // end keeps what came before.
    Prepare(u"List palettes.xml",
            "<palettes><colors/>text<palette name=\"a &amp; &lt;b&gt;\" res=\"PALETTE|palette_HUE\"/>"
            "<palette name=\"only a name\"/><palette res=\"last\"/><palette name=\"cut");
    Run(0, 0, [&](HWND dialog) {
        EXPECT_EQ(Describe(PaletteMenu(dialog)), "a & <b>:4001:8:0, :0:8:0, last:4002:8:0");
        // Choosing the first entry loads the palette by hue.
        Command(dialog, IDM_FIRST_CATALOG_PALETTE);
    });
    EXPECT_EQ(ColorLines(ReadFile(DefaultPalette())), ColorLines(ReadFile(BuiltIn("PaletteHue.gpl"))));
}

TEST_F(PaletteCommands, AHugeOrDeepCatalogGivesAMenuOfWhatCanBeChosenAndCountsTheRest)
{
    // 16 levels of submenus are built, the palette 20 levels down is not;
    // the 1,000 palettes that have commands are, the rest are counted.
    std::string catalog = "<palettes><palette res=\"PALETTE|palette_HUE\"/>";
    for (int i = 0; i < 20; ++i)
        catalog += "<palettes name=\"deeper\"><palette/>";
    catalog += "<palette res=\"deepest\"/>";
    for (int i = 0; i < 20; ++i)
        catalog += "</palettes>";
    for (int i = 0; i < 2000; ++i)
        catalog += "<palette/><palette file=\"a.gpl\" res=\"PALETTE|simple_palette\"/>";
    // A nest deeper than the document's limit ends the parse there.
    for (int i = 0; i < 300; ++i)
        catalog += "<palettes>";
    catalog += "<palette res=\"lost\"/>";
    Prepare(u"List palettes.xml", catalog);
    Run(0, 0, [&](HWND dialog) {
        jx_MENU* menu = PaletteMenu(dialog);
        int depth = 0;
        for (jx_MENUITEM* nest = menu->Item(1); nest && nest->flags & kMenuItemSubmenu; ++depth)
            nest = nest->Submenu()->Item(nest->Submenu()->ItemCount() - 1);
        EXPECT_EQ(depth, 16);
        // Items 2 to 1999: a separator and a palette each, 4002 to 5000.
        EXPECT_EQ(menu->Item(1999)->command, 5000);
        const std::string described = Describe(menu);
        const std::string end = ", :0:8:0, a.gpl:4999:8:32, :0:8:0, a.gpl:5000:8:32, ... 1002 more:0:8:32";
        EXPECT_EQ(described.substr(described.size() - std::min(described.size(), end.size())), end);
        EXPECT_EQ(menu->ItemCount(), 2001);
    });
}

TEST_F(PaletteCommands, AnEntryLoadsItsFileOrElseItsResourceAndUndoTakesTheLoadBack)
{
    Prepare(u"Two.gpl", "GIMP Palette\n#\n1 2 3\tDust\n4 5 6\tAsh\n");
    Prepare(u"List palettes.xml", "<palettes><palette name=\"Two\" file=\"Two.gpl\" res=\"PALETTE|palette_HUE\"/>"
                                  "<palette name=\"Gone\" file=\"Gone.gpl\" res=\"PALETTE|palette_Lightness\"/>"
                                  "<palette name=\"Nothing\" file=\"Gone.gpl\"/></palettes>");
    Run(0, 0, [&](HWND dialog) {
        EXPECT_EQ(Describe(PaletteMenu(dialog)), "Two:4001:8:0, Gone:4002:8:32, Nothing:4003:8:32");
        // The start-up palette is no step of the history.
        EXPECT_EQ(UndoButtons(dialog), "0 0");
        Command(dialog, IDM_FIRST_CATALOG_PALETTE);
        EXPECT_EQ(UndoButtons(dialog), "1 0");
        Command(dialog, IDM_FIRST_CATALOG_PALETTE + 2); // neither file nor resource: no change, no step
        Command(dialog, IDM_FIRST_CATALOG_PALETTE + 1);
        Command(dialog, IDM_UNDO);
        EXPECT_EQ(UndoButtons(dialog), "1 1");
    });
    EXPECT_EQ(ColorLines(ReadFile(DefaultPalette())), (std::vector<std::string>{"1 2 3", "4 5 6"}));
    EXPECT_NE(ReadFile(DefaultPalette()).find("Dust"), std::string::npos);

    // The next run starts with that palette; undo goes back to the simple
    // palette of the first run and redo forth to the lightness palette.
    Run(0, 0, [&](HWND dialog) {
        Command(dialog, IDM_UNDO);
        EXPECT_EQ(UndoButtons(dialog), "0 1");
    });
    EXPECT_EQ(ColorLines(ReadFile(DefaultPalette())), ColorLines(ReadFile(BuiltIn("SimplePalette.gpl"))));
    Run(0, 0, [&](HWND dialog) {
        Command(dialog, IDM_REDO);
        Command(dialog, IDM_REDO);
        EXPECT_EQ(UndoButtons(dialog), "1 0");
    });
    EXPECT_EQ(ColorLines(ReadFile(DefaultPalette())), ColorLines(ReadFile(BuiltIn("PaletteLightness.gpl"))));
}

TEST_F(PaletteCommands, ColorAndSlotEditsAreUndoneAndRedoneButNotDuringADrag)
{
    constexpr std::uint32_t kTeal = 0x00808000;
    Run(0x000000FF, 0, [&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_HEX_FIELD));
        SetDlgItemTextW(dialog, IDC_HEX_FIELD, L"008080");
        Command(dialog, IDOK); // applies the typed color
        EXPECT_EQ(LastMessage(), kTeal);
        Command(dialog, IDM_STORE_IN_EMPTY_SLOT);
        EXPECT_EQ(UndoButtons(dialog), "1 0");
        Command(dialog, IDM_UNDO); // the slot
        Command(dialog, IDM_UNDO); // the color
        EXPECT_EQ(LastMessage(), 0x000000FFu);
        EXPECT_EQ(UndoButtons(dialog), "0 1");
        Command(dialog, IDM_REDO);
        EXPECT_EQ(LastMessage(), kTeal);
        // A drag under way keeps the buttons from acting.
        const RECT slider = ChildRect(dialog, IDC_RED_SLIDER);
        const POINT start{slider.left + 2, (slider.top + slider.bottom) / 2};
        Mouse(dialog, WM_LBUTTONDOWN, start, MK_LBUTTON);
        ASSERT_EQ(GetCapture(), dialog);
        const size_t messages = requester.colorMessages.size();
        Command(dialog, IDM_UNDO);
        EXPECT_EQ(requester.colorMessages.size(), messages);
        Mouse(dialog, WM_LBUTTONUP, start);
    });
    EXPECT_EQ(ColorLines(ReadFile(DefaultPalette())), ColorLines(ReadFile(BuiltIn("SimplePalette.gpl"))));
}

TEST_F(PaletteCommands, FilesChosenInTheFileDialogAreAppendedAndSavedInTheFormatTheirNameAsks)
{
    Prepare(u"Five.gpl", "GIMP Palette\n#\n1 1 1\tA\n2 2 2\n3 3 3\n4 4 4\n5 5 5\tE\n");
    const std::vector<std::string> simple = ColorLines(ReadFile(BuiltIn("SimplePalette.gpl")));
    ModalAnswers answers;
    Run(0, 0, [&](HWND dialog) {
        answers.ChooseFile(Folder() + u"Five.gpl");
        Command(dialog, IDM_LOAD_PALETTE);
        answers.ChooseFile(Folder() + u"saved");
        Command(dialog, IDM_SAVE_PALETTE);
        answers.ChooseFile(Folder() + u"saved.ACO");
        Command(dialog, IDM_SAVE_PALETTE);
        answers.Press(IDCANCEL);
        Command(dialog, IDM_LOAD_PALETTE);
    });
    EXPECT_EQ(answers.Pending(), 0u);
    // The five colors follow the simple palette's whole rows.
    const std::vector<std::string> saved = ColorLines(ReadFile(Folder() + u"saved"));
    ASSERT_GT(saved.size(), simple.size() + 5);
    EXPECT_EQ(std::vector<std::string>(saved.end() - 5, saved.end()),
              (std::vector<std::string>{"1 1 1", "2 2 2", "3 3 3", "4 4 4", "5 5 5"}));
    EXPECT_EQ(saved.size() % 12, 5u);
    EXPECT_EQ(ReadFile(Folder() + u"saved.ACO").substr(0, 2), std::string("\0\1", 2));
    EXPECT_EQ(ColorLines(ReadFile(DefaultPalette())), saved);
}

TEST_F(PaletteCommands, ASaveThatCannotReplaceItsTargetSaysSoAndKeepsTheOldFile)
{
    Prepare(u"kept.gpl", "GIMP Palette\n#\n9 9 9\tOld\n");
    const std::u16string kept = Folder() + u"kept.gpl";
    SetFileAttributesW(std::filesystem::path(kept).c_str(), FILE_ATTRIBUTE_READONLY);
    const std::u16string message = SaveOverAFileThatExists(kept);
    SetFileAttributesW(std::filesystem::path(kept).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(message, u"Can't Create File");
    EXPECT_EQ(ReadFile(kept), "GIMP Palette\n#\n9 9 9\tOld\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(std::filesystem::path(Folder())), {}), 3);
}

// A folder on a RAM disk that tests/windows/ram-disks.sh mounts, as drive
// Z: sees it; empty when the test does not run through that script.
std::u16string RamDiskFolder(const char* variable)
{
    const char* disk = std::getenv(variable);
    if (!disk)
        return {};
    std::u16string folder = u"Z:" + Utf8ToUtf16(disk) + u"\\";
    std::replace(folder.begin(), folder.end(), u'/', u'\\');
    return folder;
}

TEST_F(PaletteCommands, ASaveOntoAFullDiskSaysSoAndKeepsTheOldFile)
{
    const std::u16string folder = RamDiskFolder("PLEXA_FULL_DISK");
    if (folder.empty())
        GTEST_SKIP() << "no full disk to save onto: run through ram-disks.sh";
    const std::u16string kept = folder + u"kept.gpl";
    WriteFile(kept, "GIMP Palette\n#\n9 9 9\tOld\n");
    {
        std::ofstream filler(std::filesystem::path(folder + u"filler"), std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
        }
    }
    EXPECT_EQ(SaveOverAFileThatExists(kept), u"Can't Create File");
    EXPECT_EQ(ReadFile(kept), "GIMP Palette\n#\n9 9 9\tOld\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(std::filesystem::path(folder)), {}), 2);
}

TEST_F(PaletteCommands, BrokenPaletteFilesAndAFolderThatIsAFileChangeNothingTheyCannot)
{
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) % 251);
    Prepare(u"Empty.gpl", "");
    Prepare(u"Junk.gpl", junk);
    Prepare(u"List palettes.xml", "<palettes><palette file=\"Empty.gpl\"/><palette file=\"Junk.gpl\"/></palettes>");
    Run(0, 0, [&](HWND dialog) {
        Command(dialog, IDM_FIRST_CATALOG_PALETTE); // too short to be a palette: no change, no step
        EXPECT_EQ(UndoButtons(dialog), "0 0");
        Command(dialog, IDM_FIRST_CATALOG_PALETTE + 1); // no colors in it: an empty shelf, one step
        EXPECT_EQ(UndoButtons(dialog), "1 0");
    });
    EXPECT_TRUE(ColorLines(ReadFile(DefaultPalette())).empty());

    // "Palettes" is a file: the built-in catalog and palette stand in, and
    // the file stays as it was.
    std::filesystem::remove_all(std::filesystem::path(Folder()));
    const std::u16string file = picker.host.UserFolder().File(u"Palettes");
    WriteFile(file, "not a folder");
    Run(0, 0, [&](HWND dialog) {
        EXPECT_EQ(PaletteMenu(dialog)->ItemCount(), 7);
        Command(dialog, IDM_FIRST_CATALOG_PALETTE + 1);
    });
    EXPECT_EQ(ReadFile(file), "not a folder");
}

TEST_F(PaletteCommands, ASaveIntoAReadOnlyFolderSaysSoAndKeepsTheOldFile)
{
    const std::u16string folder = RamDiskFolder("PLEXA_READ_ONLY_FOLDER");
    if (folder.empty())
        GTEST_SKIP() << "no read-only folder to save into: run through ram-disks.sh";
    const std::u16string kept = folder + u"kept.gpl";
    EXPECT_EQ(SaveOverAFileThatExists(kept), u"Can't Create File");
    EXPECT_EQ(ReadFile(kept), "GIMP Palette\n#\n9 9 9\tOld\n");
}
