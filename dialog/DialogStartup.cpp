// WM_INITDIALOG: the picker dialog's start-up sequence, and the settings it
// loads on the way.
#include "dialog/CltPiker.h"
#include "common/DialogItem.h"
#include "dialog/DialogItems.h"
#include "common/NonClientArea.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_GUID.h"
#include "plexa/jx_TOOLBAR.h"
#include "module/ModuleState.h"
#include "module/ModuleText.h"
#include "module/TextShims.h"
#include "resources/ResourceIds.h"

namespace {

// The host's own toolbar images, and the module's strip of 17 images of 16 x
// 16 declared in its command resource.
constexpr char kHostImages[] = "{23FCA3DE-B483-441C-0CB1-CB5729EAEADD}";
constexpr char kModuleImages[] = "{4E1C471E-F17C-4cce-B59E-1EF52AC9AD64}";

constexpr int kPaletteMenuImage = 17;
constexpr int kLoadImage = 1;
constexpr int kSaveImage = 2;
constexpr int kStoreImage = 3;
constexpr int kScrollImage = 1;
constexpr int kEmptySlotImage = 0;
constexpr int kUndoImage = 14;
constexpr int kRedoImage = 15;

constexpr int kPickerTimerMilliseconds = 600;

// The first dialog of the module's lifetime asks the host once.
bool askedHost = false;

jx_GUID Guid(const char* text)
{
    jx_GUID guid{};
    guid.FromStr(text);
    return guid;
}

void FinishToolbar(jx_TOOLBAR* toolbar, const char* images)
{
    toolbar->SetImageList(Guid(images));
    toolbar->SetProperty(1000, 2, 0);
    toolbar->SetProperty(1001, 0, 0);
    toolbar->SetProperty(1002, 4, 0);
    toolbar->Realize();
}

void MoveItemBy(HWND dialog, int id, int dy, int dHeight)
{
    const RECT rect = ItemRect(dialog, id);
    MoveWindow(DialogItem(dialog, id), rect.left, rect.top + dy, rect.right - rect.left,
               rect.bottom - rect.top + dHeight, FALSE);
}

} // namespace

INT_PTR CCltPiker::OnInitDialog(HWND dialog)
{
    hDlg = dialog;
    if (HostObject)
        HostObject->LocalizeDialog(LanguageCookie, dialog);
    if (HostObject) {
        const auto iconModule = static_cast<HINSTANCE>(HostObject->GetResourceModule(0, 1));
        // Shared: the system owns the icon and frees it.
        const auto icon =
            static_cast<HICON>(LoadImageW(iconModule, MAKEINTRESOURCEW(IDI_MODULE), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    LoadEyedropperPictures();
    MoveItemBy(dialog, IDC_CURRENT_SWATCH, 1, 0);
    const RECT scrollBar = ItemRect(dialog, IDC_SHELF_SCROLLBAR);
    MoveWindow(DialogItem(dialog, IDC_SHELF_SCROLLBAR), scrollBar.left, scrollBar.top, GetSystemMetrics(SM_CXVSCROLL),
               scrollBar.bottom - scrollBar.top, FALSE);
    shelfScrollBarPainting.Take(DialogItem(dialog, IDC_SHELF_SCROLLBAR), ScrollBarLook);
    MoveItemBy(dialog, IDC_SHELF, 0, -1);
    if (request.word[kPickerOptions] & kPickerCloseOnly) {
        ShowWindow(DialogItem(dialog, IDOK), SW_HIDE);
        if (HostObject)
            HostObject->SetDialogItemText(dialog, IDCANCEL, GetModuleText(IDS_CLOSE));
    }
    if (!askedHost && HostObject) {
        askedHost = true;
        HostObject->QueryDialogSupport(dialog);
    }
    FillToolbars();
    color.alphaEnabled = (request.word[kPickerOptions] & kPickerAlpha) != 0;
    ShowAlphaRow();
    OnSize(SIZE_RESTORED, 0, 0);
    updating = true;
    LoadSettings();
    SetSpinRanges();
    if (fieldMode >= kChannelRed && fieldMode <= kChannelValue)
        CheckRadioItem(dialog, IDC_MODE_RED, IDC_MODE_VALUE, IDC_MODE_RED + fieldMode);
    originalSwatch.flags |= kContentChanged;
    color.Install(CRGBA(request.word[kPickerColor]));
    UpdateMarkers();
    currentSwatch.flags |= kContentChanged;
    RefreshColorTexts();
    UpdateSliderParams();
    UpdateFieldParams();
    updating = false;
    for (int element = kFirstElement; element <= kLastElement; ++element)
        announcedValues[element] = ElementValue(element);
    accessibility = std::make_unique<DialogAccessibility>(*this);
    AddSystemMenuItems();
    SkipEmptyFramePaint(dialog);
    PlaceWindow();
    ShowSizeModeCaption();
    timerId = SetTimer(dialog, IDT_BLINK, kPickerTimerMilliseconds, nullptr);
    inputFilter.Start(
        dialog, [this](const MSG& message) { return OnFilteredKey(message); },
        [this](const MSG& message) { RelayToTooltip(message); });
    return TRUE;
}

void CCltPiker::FillToolbars()
{
    if (jx_TOOLBAR* palette = ToolbarOf(hDlg, IDC_PALETTE_TOOLBAR)) {
        jx_TOOLBUTTON* menuButton = palette->AddButton(kPaletteMenuImage, IDM_PALETTE_MENU, kToolButtonDropDown, 0,
                                                       GetModuleText(IDS_TIP_RESET_PALETTE));
        LoadCatalog(palette->GetButtonMenu(menuButton));
        palette->AddSeparator();
        palette->AddButton(kLoadImage, IDM_LOAD_PALETTE, 0, 0, GetModuleText(IDS_TIP_LOAD_PALETTE));
        palette->AddButton(kSaveImage, IDM_SAVE_PALETTE, 0, 0, GetModuleText(IDS_TIP_SAVE_PALETTE));
        palette->AddSeparator();
        FinishToolbar(palette, kHostImages);
    }
    if (jx_TOOLBAR* slot = ToolbarOf(hDlg, IDC_SLOT_TOOLBAR)) {
        slot->AddButton(kStoreImage, IDM_STORE_IN_EMPTY_SLOT, 0, 0, GetModuleText(IDS_TIP_STORE_IN_EMPTY_SLOT));
        slot->AddSeparator();
        slot->AddButton(kScrollImage, IDM_SCROLL_TO_EMPTY_SLOT, 0, 0, GetModuleText(IDS_TIP_SCROLL_TO_EMPTY_SLOT));
        slot->AddSeparator();
        slot->AddButton(kEmptySlotImage, IDM_SCROLL_TO_EMPTY_SLOT, kToolButtonFlat, 0, nullptr);
        FinishToolbar(slot, kModuleImages);
    }
    if (jx_TOOLBAR* undo = ToolbarOf(hDlg, IDC_UNDO_TOOLBAR)) {
        undo->AddButton(kUndoImage, IDM_UNDO, 0, 0, GetModuleText(IDS_TIP_UNDO));
        undo->AddButton(kRedoImage, IDM_REDO, 0, 0, GetModuleText(IDS_TIP_REDO));
        FinishToolbar(undo, kHostImages);
    }
}

void CCltPiker::ShowAlphaRow()
{
    const int show = color.alphaEnabled ? SW_SHOW : SW_HIDE;
    for (const int id : {IDC_ALPHA_LABEL, IDC_ALPHA_FIELD, IDC_ALPHA_SPIN})
        ShowWindow(DialogItem(hDlg, id), show);
    ShowWindow(DialogItem(hDlg, IDC_ALPHA_SLIDER), SW_HIDE);
    if (!color.alphaEnabled)
        return;
    const RECT field = ItemRect(hDlg, IDC_ALPHA_FIELD);
    const int d = field.bottom - field.top + 4;
    for (const int id : {IDC_PALETTE_TOOLBAR, IDC_SLOT_TOOLBAR, IDC_UNDO_TOOLBAR, IDC_PALETTE_LABEL, IDC_EYEDROPPER})
        MoveItemBy(hDlg, id, d, 0);
    MoveItemBy(hDlg, IDC_SHELF, d, -(d - 3));
    MoveItemBy(hDlg, IDC_SHELF_SCROLLBAR, d, -(d - 3));
}

void CCltPiker::SetSpinRanges()
{
    for (int i = kRedSlider; i <= kValueSlider; ++i) {
        const double range[2] = {0, static_cast<double>(ChannelRange(i))};
        SendMessageW(DialogItem(hDlg, IDC_RED_SPIN + 2 * i), kJxUpDownSetRange, 0, reinterpret_cast<LPARAM>(range));
    }
    const double alphaRange[2] = {0, static_cast<double>(ChannelRange(kChannelAlpha))};
    SendMessageW(DialogItem(hDlg, IDC_ALPHA_SPIN), kJxUpDownSetRange, 0, reinterpret_cast<LPARAM>(alphaRange));
}

void CCltPiker::AddSystemMenuItems()
{
    HMENU menu = GetSystemMenu(hDlg, FALSE);
    if (!menu)
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuAW(menu, 0, IDM_BACKGROUND_SYSTEM, GetModuleText(IDS_MENU_BACKGROUND_SYSTEM));
    AppendMenuAW(menu, 0, IDM_BACKGROUND_WHITE, GetModuleText(IDS_MENU_BACKGROUND_WHITE));
    AppendMenuAW(menu, 0, IDM_BACKGROUND_CURRENT, GetModuleText(IDS_MENU_BACKGROUND_CURRENT));
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuAW(menu, 0, IDM_TOOLTIP_HELP, GetModuleText(IDS_MENU_TOOLTIP_HELP));
    AppendMenuAW(menu, 0, IDM_SHOW_CONTRAST, GetModuleText(IDS_MENU_SHOW_CONTRAST));
    // The system menu owns the submenu from here on and destroys it with itself.
    if (HMENU copyAs = CreatePopupMenu()) {
        for (int i = 0; i < 4; ++i)
            AppendMenuAW(copyAs, 0, IDM_COPY_HEX + i, GetModuleText(IDS_MENU_COPY_HEX + i));
        AppendMenuAW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(copyAs), GetModuleText(IDS_MENU_COPY_AS));
    }
}

void CCltPiker::ShowSizeModeCaption()
{
    if (HostObject)
        HostObject->SetDialogItemText(hDlg, IDC_SIZE_MODE,
                                      GetModuleText(compact ? IDS_SIZE_MODE_COMPACT : IDS_SIZE_MODE_FULL));
}
