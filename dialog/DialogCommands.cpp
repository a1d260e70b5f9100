// WM_COMMAND, WM_SYSCOMMAND and WM_INITMENU of the picker dialog: the field
// modes, the channel and text fields, the toolbar commands, the size mode,
// the background modes and the close paths.
#include "dialog/CltPiker.h"
#include "common/DialogItem.h"
#include "dialog/ColorTexts.h"
#include "dialog/DialogItems.h"
#include "plexa/jx_CORE.h"
#include "module/ModuleState.h"
#include "resources/ResourceIds.h"
#include "undo/UndoManager.h"

namespace {

constexpr int kHexFieldUnits = 49;
constexpr char kHelpTopic[] = "color_dialog.htm";

} // namespace

void CCltPiker::OnCommand(int id, int notification)
{
    // The controller's own writes into the fields notify too; they are no input.
    if (id >= IDC_RED_FIELD && updating)
        return;
    if (id >= IDC_MODE_RED && id <= IDC_MODE_VALUE && notification == BN_CLICKED) {
        OnFieldModeClicked();
        return;
    }
    if (id >= IDM_FIRST_CATALOG_PALETTE && id <= IDM_LAST_CATALOG_PALETTE) {
        SelectPalette(id - IDM_FIRST_CATALOG_PALETTE);
        InvalidateRect(hDlg, nullptr, FALSE);
        return;
    }
    if (id >= IDC_RED_FIELD && notification == EN_CHANGE) {
        OnChannelFieldChanged(id);
        return;
    }
    switch (id) {
    case IDM_UNDO:
    case IDM_REDO:
        OnUndoCommand(id);
        return;
    case IDM_LOAD_PALETTE:
        LoadPaletteCommand();
        return;
    case IDM_SAVE_PALETTE:
        SavePaletteCommand();
        return;
    case IDC_HELP_BUTTON:
        ShowHelp();
        return;
    case IDOK:
        if (IsEditWindow(GetFocus()))
            ApplyTextFields();
        else
            EndDialog(hDlg, 1);
        return;
    case IDCANCEL:
        if (!CancelGesture())
            EndDialog(hDlg, 0);
        return;
    case IDC_SIZE_MODE:
        ToggleSizeMode();
        return;
    case IDM_SCROLL_TO_EMPTY_SLOT:
        ScrollToEmptySlot();
        return;
    case IDM_STORE_IN_EMPTY_SLOT:
        StoreInFirstEmptySlot();
        return;
    default:
        return;
    }
}

void CCltPiker::OnUndoCommand(int id)
{
    // A drag, a shelf gesture or sampling under way holds a color or slot
    // the history does not know yet: the buttons wait until it ends.
    if (!SharedUndoManager || dragKind != kNoDrag || shelfOp != 0 || picking)
        return;
    if (id == IDM_UNDO)
        SharedUndoManager->Undo();
    else
        SharedUndoManager->Redo();
    UpdateUndoButtons();
    InvalidateRect(hDlg, nullptr, FALSE);
}

void CCltPiker::ShowHelp()
{
    if (HostObject)
        HostObject->ShowHelpTopic(kHelpTopic, 0);
}

void CCltPiker::OnFieldModeClicked()
{
    int mode = 6;
    for (int i = 0; i < 6; ++i) {
        if (SendMessageW(DialogItem(hDlg, IDC_MODE_RED + i), BM_GETCHECK, 0, 0) == BST_CHECKED) {
            mode = i;
            break;
        }
    }
    if (mode == fieldMode)
        return;
    fieldMode = mode;
    UpdateFieldParams();
    UpdateMarkers();
    AnnounceValues();
    InvalidateRect(hDlg, nullptr, FALSE);
}

void CCltPiker::OnChannelFieldChanged(int id)
{
    const int value = ParseFieldNumber(ItemText(hDlg, id).c_str());
    if (id == IDC_ALPHA_FIELD) {
        SetChannel(kChannelAlpha, value);
        return;
    }
    // Fields come in pairs with their spin controls: red, green, blue from
    // IDC_RED_FIELD, hue, saturation, value from IDC_HUE_FIELD. Typed numbers
    // are limited to their channel's range, as the sliders limit theirs:
    // 300 in the red field is 255, -5 is 0.
    if (id >= IDC_RED_FIELD && id <= IDC_BLUE_FIELD && (id - IDC_RED_FIELD) % 2 == 0) {
        const int channel = kChannelRed + (id - IDC_RED_FIELD) / 2;
        SetColor(WithChannel(color.currentColor, channel, ClampToChannel(channel, value)));
    } else if (id >= IDC_HUE_FIELD && id <= IDC_VALUE_FIELD && (id - IDC_HUE_FIELD) % 2 == 0) {
        const int channel = kChannelHue + (id - IDC_HUE_FIELD) / 2;
        SetHsv(WithChannel(color.currentHsv, channel, ClampToChannel(channel, value)));
    }
}

void CCltPiker::ApplyTextFields()
{
    const std::u16string hex = ItemText(hDlg, IDC_HEX_FIELD).substr(0, kHexFieldUnits);
    if (SetColor(ParseHexColor(hex.c_str()))) {
        SetFocus(hDlg);
        return;
    }
    if (SetColor(ParseRgbColor(ItemText(hDlg, IDC_DECIMAL_FIELD).c_str())))
        SetFocus(hDlg);
}

bool CCltPiker::CancelGesture()
{
    if (dragKind == kNoDrag && shelfOp == 0 && !picking)
        return false;
    if (dragKind != kNoDrag)
        OnLeftButtonUp(0, 0, 0);
    if (shelfOp != 0) {
        shelfOp = 0;
        ReleaseCaptureUnlessNeeded();
        InvalidateRect(hDlg, nullptr, FALSE);
    }
    if (picking) {
        SetColor(colorBeforePick);
        SetPickMode(false);
    }
    return true;
}

void CCltPiker::ToggleSizeMode()
{
    compact = !compact;
    ShowSizeModeCaption();
    ApplyMinTrackSize();
    RECT window{};
    GetWindowRect(hDlg, &window);
    const int width = window.right - window.left + (compact ? -compactCut : compactCut);
    SetWindowPos(hDlg, nullptr, 0, 0, width, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER);
    InvalidateRect(hDlg, nullptr, FALSE);
}

void CCltPiker::OnSysCommand(int id)
{
    switch (id) {
    case IDM_BACKGROUND_SYSTEM:
    case IDM_BACKGROUND_WHITE:
    case IDM_BACKGROUND_CURRENT:
        SetBackgroundMode(id - IDM_BACKGROUND_SYSTEM);
        InvalidateRect(hDlg, nullptr, FALSE);
        RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        break;
    case IDM_TOOLTIP_HELP:
        helpToolTip = !helpToolTip;
        CreateTooltips();
        break;
    case IDM_SHOW_CONTRAST:
        showContrast = !showContrast;
        UpdateSwatchTip(IDC_ORIGINAL_SWATCH);
        UpdateSwatchTip(IDC_CURRENT_SWATCH);
        break;
    case IDM_COPY_HEX:
    case IDM_COPY_CSS:
    case IDM_COPY_FLOAT:
    case IDM_COPY_LINEAR:
        CopyColor(id - IDM_COPY_HEX);
        break;
    default:
        break;
    }
}

void CCltPiker::OnInitMenu(HMENU menu)
{
    CheckMenuRadioItem(menu, IDM_BACKGROUND_SYSTEM, IDM_BACKGROUND_CURRENT, IDM_BACKGROUND_SYSTEM + backgroundMode,
                       MF_BYCOMMAND);
    CheckMenuItem(menu, IDM_TOOLTIP_HELP, MF_BYCOMMAND | (helpToolTip ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_SHOW_CONTRAST, MF_BYCOMMAND | (showContrast ? MF_CHECKED : MF_UNCHECKED));
}
