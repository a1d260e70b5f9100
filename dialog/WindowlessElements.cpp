#include "dialog/WindowlessElements.h"

#include <algorithm>
#include <bit>

#include "dialog/ColorTexts.h"
#include "dialog/ColorValueTexts.h"

int SliderChannel(int element)
{
    switch (element) {
    case kElementHueSlider:
        return kChannelHue;
    case kElementSaturationSlider:
        return kChannelSaturation;
    case kElementValueSlider:
        return kChannelValue;
    case kElementRedSlider:
        return kChannelRed;
    case kElementGreenSlider:
        return kChannelGreen;
    case kElementBlueSlider:
        return kChannelBlue;
    case kElementAlphaSlider:
        return kChannelAlpha;
    default:
        return -1;
    }
}

int ElementSet::Next(int element, bool forward) const
{
    const int step = forward ? 1 : -1;
    int next = element == kNoElement ? (forward ? kFirstElement : kLastElement) : element + step;
    for (; next >= kFirstElement && next <= kLastElement; next += step)
        if (Has(next))
            return next;
    return kNoElement;
}

int ElementSet::Position(int element) const
{
    if (!Has(element))
        return 0;
    return std::popcount(bits & ((2u << element) - 1));
}

int ElementSet::At(int position) const
{
    int element = kNoElement;
    for (int i = 0; i < position; ++i)
        if ((element = Next(element, true)) == kNoElement)
            return kNoElement;
    return position > 0 ? element : kNoElement;
}

int ElementSet::Count() const { return std::popcount(bits); }

int SteppedChannelValue(int value, int range, StepKey key)
{
    int next = value;
    switch (key) {
    case StepKey::kLeft:
    case StepKey::kDown:
        next = value - 1;
        break;
    case StepKey::kRight:
    case StepKey::kUp:
        next = value + 1;
        break;
    case StepKey::kPageDown:
        next = value - 10;
        break;
    case StepKey::kPageUp:
        next = value + 10;
        break;
    case StepKey::kHome:
        next = 0;
        break;
    case StepKey::kEnd:
        next = range;
        break;
    }
    return std::clamp(next, 0, range);
}

FieldStep FieldStepFor(StepKey key, bool shift)
{
    const int step = shift ? 10 : 1;
    switch (key) {
    case StepKey::kLeft:
        return {-step, 0};
    case StepKey::kRight:
        return {step, 0};
    case StepKey::kUp:
        return {0, step};
    case StepKey::kDown:
        return {0, -step};
    default:
        return {};
    }
}

int ShelfCellAfterKey(int cell, StepKey key, int count, int columns, int viewRows)
{
    if (count <= 0 || columns <= 0)
        return 0;
    cell = std::clamp(cell, 0, count - 1);
    const int rows = (count + columns - 1) / columns;
    const int column = cell % columns;
    const auto toRow = [&](int rowsDown) {
        const int row = std::clamp(cell / columns + rowsDown, 0, rows - 1);
        return std::min(row * columns + column, count - 1);
    };
    switch (key) {
    case StepKey::kLeft:
        return std::max(cell - 1, 0);
    case StepKey::kRight:
        return std::min(cell + 1, count - 1);
    case StepKey::kUp:
        return toRow(-1);
    case StepKey::kDown:
        return toRow(1);
    case StepKey::kPageUp:
        return toRow(-std::max(viewRows, 1));
    case StepKey::kPageDown:
        return toRow(std::max(viewRows, 1));
    case StepKey::kHome:
        return 0;
    case StepKey::kEnd:
        return count - 1;
    }
    return cell;
}

bool TabPasses(int from, int to, int mark, bool forward)
{
    if (!forward)
        return TabPasses(to, from, mark, true);
    // Going round: from the end of the order to its start.
    if (from < to)
        return from < mark && mark < to;
    return mark > from || mark < to;
}

std::u16string FieldValueText(const char16_t* nameAcross, int across, const char16_t* nameUp, int up)
{
    return std::u16string(nameAcross) + u" " + DecimalText(across) + u", " + nameUp + u" " + DecimalText(up);
}

std::u16string ColorValueText(CRGBA color, const char16_t* name)
{
    std::u16string text = CopyText(CopyFormat::Hex, color, false);
    if (name && *name)
        text += std::u16string(u" ") + name;
    return text;
}

std::u16string WithoutColon(const char16_t* label)
{
    std::u16string text(label ? label : u"");
    while (!text.empty() && (text.back() == u':' || text.back() == u' '))
        text.pop_back();
    return text;
}
