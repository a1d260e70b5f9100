// The dialog's one tooltip window: a fixed localized tip for each control,
// the swatches' tips with their colors, and the shelf's tracked tip that
// the mouse handlers fill. The tooltip subclasses no window: the dialog's
// input filter relays the pointer's messages to it. Under Wine every message
// to a subclassed window asks the server for its subclass, which made a full
// repaint of the dialog a quarter slower.
#include "dialog/CltPiker.h"

#include <commctrl.h>

#include <vector>

#include "common/DialogItem.h"
#include "dialog/ColorValueTexts.h"
#include "dialog/DialogItems.h"
#include "dialog/TipTexts.h"
#include "module/ModuleState.h"
#include "module/ModuleText.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kMaxTipWidth = 200;

TOOLINFOW ToolInfo(HWND dialog, UINT_PTR id, UINT flags, const char16_t* text)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = flags;
    tool.hwnd = dialog;
    tool.uId = id;
    tool.hinst = static_cast<HINSTANCE>(ModuleInstance);
    tool.lpszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text));
    return tool;
}

void AddWindowTool(HWND tooltip, HWND dialog, int id, int textId)
{
    HWND control = DialogItem(dialog, id);
    if (!control)
        return;
    TOOLINFOW tool = ToolInfo(dialog, reinterpret_cast<UINT_PTR>(control), TTF_IDISHWND, GetModuleText(textId));
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

std::vector<CCltPiker::AreaTool> CCltPiker::AreaTools() const
{
    std::vector<AreaTool> tools;
    for (int i = kRedSlider; i <= kValueSlider; ++i)
        tools.push_back({IDC_RED_SLIDER + i, GetModuleText(IDS_CHANNEL_RED + i), 0});
    if (color.alphaEnabled) {
        tools.push_back({IDC_ALPHA_SLIDER, GetModuleText(IDS_CHANNEL_ALPHA), 0});
        tools.push_back({IDC_ALPHA_LABEL, GetModuleText(IDS_CHANNEL_ALPHA), 0});
    }
    tools.push_back({IDC_ORIGINAL_SWATCH, u"", 0});
    tools.push_back({IDC_CURRENT_SWATCH, u"", 0});
    tools.push_back({IDC_SHELF, u"", TTF_TRACK | TTF_ABSOLUTE});
    if (helpToolTip)
        tools.push_back({IDC_EYEDROPPER, GetModuleText(IDS_TIP_EYEDROPPER), 0});
    return tools;
}

void CCltPiker::CreateTooltips()
{
    if (tooltip)
        DestroyWindow(tooltip);
    tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              static_cast<HINSTANCE>(ModuleInstance), nullptr);
    if (!tooltip)
        return;
    SetWindowPos(tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(2 * GetDoubleClickTime(), 0));
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    AddWindowTool(tooltip, hDlg, IDC_HEX_FIELD, IDS_TIP_HEX);
    AddWindowTool(tooltip, hDlg, IDC_DECIMAL_FIELD, IDS_TIP_DECIMAL);
    for (int i = kRedSlider; i <= kValueSlider; ++i) {
        const int name = IDS_CHANNEL_RED + i;
        AddWindowTool(tooltip, hDlg, IDC_MODE_RED + i, name);
        AddWindowTool(tooltip, hDlg, IDC_RED_FIELD + 2 * i, name);
        AddWindowTool(tooltip, hDlg, IDC_RED_SPIN + 2 * i, name);
    }
    if (color.alphaEnabled) {
        AddWindowTool(tooltip, hDlg, IDC_ALPHA_FIELD, IDS_CHANNEL_ALPHA);
        AddWindowTool(tooltip, hDlg, IDC_ALPHA_SPIN, IDS_CHANNEL_ALPHA);
    }
    AddWindowTool(tooltip, hDlg, IDC_SIZE_MODE, IDS_TIP_SIZE_MODE);
    // An area tool stands for the place of its control now.
    for (const AreaTool& area : AreaTools()) {
        if (!DialogItem(hDlg, area.id))
            continue;
        TOOLINFOW tool = ToolInfo(hDlg, static_cast<UINT_PTR>(area.id), area.flags, area.text);
        tool.rect = ItemRect(hDlg, area.id);
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    UpdateSwatchTip(IDC_ORIGINAL_SWATCH);
    UpdateSwatchTip(IDC_CURRENT_SWATCH);
}

void CCltPiker::PlaceTooltips()
{
    // Making the window and its thirty tools again costs more than the
    // rest of a layout; only the areas move.
    if (!tooltip) {
        CreateTooltips();
        return;
    }
    for (const AreaTool& area : AreaTools()) {
        if (DialogItem(hDlg, area.id)) {
            TOOLINFOW tool = ToolInfo(hDlg, static_cast<UINT_PTR>(area.id), 0, nullptr);
            tool.rect = ItemRect(hDlg, area.id);
            SendMessageW(tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

void CCltPiker::RelayToTooltip(const MSG& message) const
{
    if (tooltip)
        SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void CCltPiker::SetToolText(int id, const char16_t* text)
{
    if (!tooltip)
        return;
    TOOLINFOW tool = ToolInfo(hDlg, static_cast<UINT_PTR>(id), 0, text);
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CCltPiker::TrackShelfTip(bool on)
{
    if (tooltip) {
        TOOLINFOW tool = ToolInfo(hDlg, IDC_SHELF, 0, nullptr);
        SendMessageW(tooltip, TTM_TRACKACTIVATE, on, reinterpret_cast<LPARAM>(&tool));
    }
    tipTracking = on;
    // Captured while the tip tracks, so the dialog learns when the pointer
    // leaves the shelf.
    if (on)
        SetCapture(hDlg);
    else
        ReleaseCaptureUnlessNeeded();
}

void CCltPiker::UpdateSwatchTip(int swatch)
{
    if (!tooltip)
        return;
    const bool original = swatch == IDC_ORIGINAL_SWATCH;
    const CRGBA shown = original ? CRGBA(request.word[kPickerColor]) : color.currentColor;
    const char16_t* hint = helpToolTip ? GetModuleText(original ? IDS_TIP_ORIGINAL : IDS_TIP_CURRENT) : nullptr;
    SetToolText(swatch, SwatchTipText(colorNames, shown, hint,
                                      ContrastText(color.currentColor, CRGBA(request.word[kPickerColor])))
                            .GetBuffer());
}

std::u16string CCltPiker::ContrastText(CRGBA a, CRGBA b) const
{
    if (!showContrast)
        return {};
    const ContrastWords words{GetModuleText(IDS_CONTRAST), GetModuleText(IDS_CONTRAST_AA_LARGE),
                              GetModuleText(IDS_CONTRAST_AA), GetModuleText(IDS_CONTRAST_AAA)};
    return ContrastLine(a, b, words);
}
