// The controller's color setters and the refresh that follows every accepted
// change: the requester is told, markers move, the gradients get their new
// parameters, and the fields, tips and undo buttons show the new color.
#include "color/ControlParams.h"
#include "dialog/CltPiker.h"
#include "dialog/ColorTexts.h"
#include "dialog/DialogItems.h"
#include "module/ModuleState.h"
#include "resources/ResourceIds.h"
#include "undo/UndoManager.h"

bool CCltPiker::SetChannel(int channel, int value) { return Changed(color.SetChannel(channel, value)); }

bool CCltPiker::SetChannelFraction(int channel, float fraction)
{
    return Changed(color.SetChannelFraction(channel, fraction));
}

bool CCltPiker::SetColor(CRGBA newColor) { return Changed(color.SetColor(newColor)); }

bool CCltPiker::SetHsv(CHSV hsv) { return Changed(color.SetHsv(hsv)); }

bool CCltPiker::Changed(const ColorChange& change)
{
    if (!change)
        return false;
    if (change.undoable && SharedUndoManager)
        SharedUndoManager->RecordNewColor(*this, change.previous.value);
    UpdateMarkers();
    currentSwatch.flags |= kContentChanged;
    UpdateSliderParams();
    UpdateFieldParams();
    // While a drag or a pick goes on, the windows that show the color as
    // text follow at most every kTextsMilliseconds and once more at its end:
    // setting the fields costs more than drawing a frame, and moves come
    // faster than frames. The requester hears every move at once.
    if (dragKind != kNoDrag || picking) {
        if (!textsBehind && hDlg)
            SetTimer(hDlg, IDT_COLOR_TEXTS, kTextsMilliseconds, nullptr);
        textsBehind = true;
    } else {
        RefreshColorTexts();
    }
    if (hDlg) {
        AnnounceValues();
        InvalidateRect(hDlg, nullptr, FALSE);
    }
    return true;
}

void CCltPiker::RefreshColorTexts()
{
    if (textsBehind && hDlg)
        KillTimer(hDlg, IDT_COLOR_TEXTS);
    textsBehind = false;
    const bool wasUpdating = updating;
    updating = true;
    FillTextFields();
    updating = wasUpdating;
    UpdateSwatchTip(IDC_CURRENT_SWATCH);
    // The original's tip tells its contrast against the current color too.
    if (showContrast)
        UpdateSwatchTip(IDC_ORIGINAL_SWATCH);
    UpdateUndoButtons();
}

void CCltPiker::CatchUpColorTexts()
{
    if (textsBehind)
        RefreshColorTexts();
}

void CCltPiker::SendToRequester() const
{
    const auto requester = static_cast<HWND>(ULongToHandle(request.word[kPickerRequester]));
    // A requester that has gone away is told nothing; the dialog goes on.
    if (ColorChangeMessage && IsWindow(requester))
        SendMessageW(requester, ColorChangeMessage, color.currentColor.value, 0);
}

void CCltPiker::UpdateMarkers()
{
    if (!updating)
        SendToRequester();
    for (int i = kRedSlider; i <= kValueSlider; ++i)
        sliders[i].posX = color.ChannelFraction(i);
    sliders[kAlphaSlider].posX = color.ChannelFraction(kChannelAlpha);
    const FieldSetup setup = FieldSetupFor(fieldMode, color.currentColor, color.currentHsv);
    if (setup.hasChannel) {
        colorField.posX = setup.fieldX;
        colorField.posY = setup.fieldY;
        sliders[kStripSlider].posY = setup.stripY;
    }
    shelf.model.needsRefresh = true;
}

void CCltPiker::UpdateSliderParams()
{
    for (const int i :
         {kRedSlider, kGreenSlider, kBlueSlider, kHueSlider, kSaturationSlider, kValueSlider, kAlphaSlider}) {
        const SliderEnds ends = SliderEndsFor(i, color.currentColor, color.currentHsv);
        sliders[i].SetParam(0, ends.start);
        if (i != kHueSlider)
            sliders[i].SetParam(1, ends.end);
    }
}

void CCltPiker::UpdateFieldParams()
{
    const FieldSetup setup = FieldSetupFor(fieldMode, color.currentColor, color.currentHsv);
    colorField.SetParams(setup.params);
    // A new renderer or new axes draw other pixels even from the same words.
    if (colorField.kind != setup.kind ||
        (setup.hasChannel && (colorField.channelX != setup.channelX || colorField.channelY != setup.channelY)))
        colorField.flags |= kContentChanged;
    colorField.kind = setup.kind;
    if (setup.hasChannel) {
        colorField.channelX = setup.channelX;
        colorField.channelY = setup.channelY;
    }
    CGr& strip = sliders[kStripSlider];
    if ((strip.channelY == kChannelHue) != (fieldMode == kChannelHue))
        strip.flags |= kContentChanged;
    strip.channelY = fieldMode;
    if (fieldMode != kChannelHue) {
        strip.SetParam(3, 0);
        strip.SetParam(2, StripTopColorFor(fieldMode));
    }
}

void CCltPiker::SetBackgroundMode(int mode)
{
    switch (mode) {
    case kBackgroundSystem:
        backgroundColor = GetSysColor(COLOR_3DFACE);
        break;
    case kBackgroundCurrent:
        backgroundColor = color.currentColor.ColorRef();
        break;
    default:
        mode = kBackgroundWhite;
        backgroundColor = 0x00FFFFFF;
        break;
    }
    backgroundMode = mode;
    backgroundBrush.reset(CreateSolidBrush(backgroundColor));
}

void CCltPiker::FillTextFields()
{
    const CRGBA rgba = color.currentColor;
    const CHSV hsv = color.currentHsv;
    const int hsvParts[3] = {hsv.Hue(), hsv.Saturation(), hsv.Value()};
    for (int i = 0; i < 3; ++i) {
        SetItemText(hDlg, IDC_RED_FIELD + 2 * i, DecimalText(rgba.Byte(i)).c_str());
        SetItemText(hDlg, IDC_HUE_FIELD + 2 * i, DecimalText(hsvParts[i]).c_str());
    }
    SetItemText(hDlg, IDC_HEX_FIELD, HexText(rgba).c_str());
    SetItemText(hDlg, IDC_DECIMAL_FIELD, RgbText(rgba).c_str());
    SetItemText(hDlg, IDC_ALPHA_FIELD, DecimalText(rgba.Alpha()).c_str());
}

void CCltPiker::UpdateUndoButtons()
{
    jx_TOOLBAR* toolbar = ToolbarOf(hDlg, IDC_UNDO_TOOLBAR);
    if (!toolbar || !SharedUndoManager)
        return;
    if (jx_TOOLBUTTON* undo = toolbar->FindButton(IDM_UNDO, 0))
        undo->Enable(SharedUndoManager->GetUndoUnit() != nullptr);
    if (jx_TOOLBUTTON* redo = toolbar->FindButton(IDM_REDO, 0))
        redo->Enable(SharedUndoManager->GetRedoUnit() != nullptr);
    toolbar->Refresh();
}
