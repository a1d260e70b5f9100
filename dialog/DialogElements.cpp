// The picker's windowless controls as screen readers see them: what each
// is called, what it holds, where it is painted, what its default action
// does, and the events that tell of changes.
#include "dialog/CltPiker.h"

#include "dialog/ColorTexts.h"
#include "dialog/DialogItems.h"
#include "module/ModuleText.h"
#include "resources/ResourceIds.h"

namespace {

const char16_t* ChannelName(int channel)
{
    return GetModuleText(channel == kChannelAlpha ? IDS_CHANNEL_ALPHA : IDS_CHANNEL_RED + channel);
}

bool IsColorChannel(int channel) { return channel >= kChannelRed && channel <= kChannelValue; }

// The first line of a text.
std::u16string FirstLine(const char16_t* text)
{
    std::u16string line(text ? text : u"");
    return line.substr(0, line.find_first_of(u"\r\n"));
}

RECT ToScreen(HWND dialog, RECT area)
{
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

} // namespace

ElementSet CCltPiker::ListedElements() const
{
    ElementSet listed;
    for (int element = kFirstElement; element <= kLastElement; ++element)
        if (element != kElementAlphaSlider || color.alphaEnabled)
            listed.Add(element);
    return listed;
}

ElementSet CCltPiker::FocusableElements() const
{
    ElementSet focusable;
    const ElementSet listed = ListedElements();
    for (int element = kFirstElement; element <= kLastElement; ++element)
        if (listed.Has(element) && !IsCutOff(element))
            focusable.Add(element);
    return focusable;
}

bool CCltPiker::IsCutOff(int element) const
{
    // Compact mode keeps the field, the strip and the swatches.
    return compact && element != kElementField && element != kElementStrip && element != kElementCurrent &&
           element != kElementOriginal;
}

RECT CCltPiker::ElementRect(int element) const
{
    switch (element) {
    case kElementField:
        return colorField.Area();
    case kElementStrip:
        return sliders[kStripSlider].Area();
    case kElementCurrent:
        return currentSwatch.Area();
    case kElementOriginal:
        return originalSwatch.Area();
    case kElementEyedropper:
        return ItemRect(hDlg, IDC_EYEDROPPER);
    case kElementShelf:
        return shelf.Area();
    case kElementAlphaSlider:
        return sliders[kAlphaSlider].Area();
    default:
        return SliderChannel(element) >= 0 ? sliders[SliderChannel(element)].Area() : RECT{};
    }
}

std::u16string CCltPiker::ElementValue(int element) const
{
    switch (element) {
    case kElementField: {
        const int across = colorField.channelX;
        const int up = colorField.channelY;
        if (!IsColorChannel(across) || !IsColorChannel(up))
            return {};
        return FieldValueText(ChannelName(across), color.ChannelValue(across), ChannelName(up), color.ChannelValue(up));
    }
    case kElementStrip:
        return IsColorChannel(fieldMode) ? DecimalText(color.ChannelValue(fieldMode)) : std::u16string();
    case kElementCurrent:
        return ColorValueText(color.currentColor, FirstColorName(colorNames.Table(), color.currentColor.ColorRef()));
    case kElementOriginal: {
        const CRGBA original(request.word[kPickerColor]);
        return ColorValueText(original, FirstColorName(colorNames.Table(), original.ColorRef()));
    }
    default:
        return SliderChannel(element) >= 0 ? DecimalText(color.ChannelValue(SliderChannel(element))) : std::u16string();
    }
}

AccessibleElement CCltPiker::Element(int element) const
{
    AccessibleElement answer;
    answer.value = ElementValue(element);
    answer.screen = ToScreen(hDlg, ElementRect(element));
    answer.state = IsCutOff(element) ? STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN : STATE_SYSTEM_FOCUSABLE;
    if (keyFocus == element)
        answer.state |= STATE_SYSTEM_FOCUSED;
    switch (element) {
    case kElementField:
        answer.role = ROLE_SYSTEM_GRAPHIC;
        answer.name = GetModuleText(IDS_COLOR_FIELD);
        break;
    case kElementStrip:
        answer.role = ROLE_SYSTEM_SLIDER;
        answer.name = IsColorChannel(fieldMode) ? ChannelName(fieldMode) : GetModuleText(IDS_COLOR_STRIP);
        break;
    case kElementCurrent:
    case kElementOriginal:
        answer.role = ROLE_SYSTEM_PUSHBUTTON;
        answer.name = WithoutColon(GetModuleText(element == kElementCurrent ? IDS_CURRENT : IDS_ORIGINAL));
        answer.defaultAction = u"Press";
        break;
    case kElementEyedropper:
        answer.role = ROLE_SYSTEM_PUSHBUTTON;
        answer.name = FirstLine(GetModuleText(IDS_TIP_EYEDROPPER));
        answer.defaultAction = u"Press";
        break;
    case kElementShelf:
        answer.role = ROLE_SYSTEM_LIST;
        answer.name = GetModuleText(IDS_PALETTE);
        break;
    default:
        answer.role = ROLE_SYSTEM_SLIDER;
        answer.name = ChannelName(SliderChannel(element));
        break;
    }
    return answer;
}

AccessibleElement CCltPiker::Slot(int index) const
{
    AccessibleElement answer;
    if (index < 0 || index >= shelf.model.slots.Count())
        return answer;
    answer.role = ROLE_SYSTEM_LISTITEM;
    answer.defaultAction = u"Click";
    const std::uint32_t value = shelf.model.slots.At(index);
    if (value == EMPTY_SLOT) {
        answer.name = GetModuleText(IDS_TIP_EMPTY_SLOT);
    } else {
        const char16_t* name = FirstColorName(colorNames.Table(), value & 0x00FFFFFF);
        answer.value = ColorValueText(CRGBA(value), nullptr);
        answer.name = name && *name ? std::u16string(name) : answer.value;
    }
    const CellRect cell = shelf.SlotPlace(index);
    answer.screen = ToScreen(hDlg, {cell.left, cell.top, cell.left + cell.width, cell.top + cell.height});
    answer.state = compact || !shelf.IsInView(cell) ? STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN
                                                    : STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (FocusedSlot() == index)
        answer.state |= STATE_SYSTEM_FOCUSED;
    return answer;
}

void CCltPiker::DoElementAction(int element)
{
    if (element == kElementCurrent)
        StepThroughMarks();
    else if (element == kElementOriginal)
        TakeOriginalColor();
    else if (element == kElementEyedropper && !compact && !picking)
        StartKeyboardPick();
}

void CCltPiker::DoSlotAction(int index)
{
    if (!compact && index >= 0 && index < shelf.model.slots.Count())
        ClickSlot(index, false);
}

void CCltPiker::AnnounceValues()
{
    const ElementSet listed = ListedElements();
    for (int element = kFirstElement; element <= kLastElement; ++element) {
        std::u16string value = ElementValue(element);
        if (value == announcedValues[element])
            continue;
        announcedValues[element] = std::move(value);
        if (listed.Has(element))
            NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hDlg, OBJID_CLIENT, listed.Position(element));
    }
}
