// The dialog's windowless controls as the keyboard and screen readers meet
// them: one list in the order Tab visits them, the keys that step their
// values, and the texts a screen reader reads for them.
#pragma once

#include <string>

#include "color/ColorTypes.h"

// The windowless controls, in the order Tab visits them and a screen reader
// lists them.
enum WindowlessElement : int {
    kNoElement = 0,
    kElementField,
    kElementStrip,
    kElementHueSlider,
    kElementSaturationSlider,
    kElementValueSlider,
    kElementRedSlider,
    kElementGreenSlider,
    kElementBlueSlider,
    kElementAlphaSlider,
    kElementCurrent,
    kElementOriginal,
    kElementEyedropper,
    kElementShelf,
};
constexpr int kFirstElement = kElementField;
constexpr int kLastElement = kElementShelf;

// The channel a channel slider edits; -1 for every other element.
int SliderChannel(int element);

// A set of elements, one bit each.
class ElementSet {
public:
    void Add(int element) { bits |= 1u << element; }
    bool Has(int element) const
    {
        return element >= kFirstElement && element <= kLastElement && (bits >> element & 1u);
    }
    // The element of the set after (forward) or before `element` in the
    // order; kNoElement past either end. From kNoElement: the first or the
    // last.
    int Next(int element, bool forward) const;
    // Where an element stands in the set, counted from 1; 0 for one outside it.
    int Position(int element) const;
    // The element at a position counted from 1, or kNoElement.
    int At(int position) const;
    int Count() const;

private:
    unsigned bits = 0;
};

// The keys that move a value or a focus.
enum class StepKey { kLeft, kRight, kUp, kDown, kPageUp, kPageDown, kHome, kEnd };

// A channel's value after a key on its slider or the strip: Left and Down
// one less, Right and Up one more, Page Down and Page Up ten, Home and End
// the channel's ends; kept within 0..range.
int SteppedChannelValue(int value, int range, StepKey key);

// How far an arrow moves the field's marker: `across` along its horizontal
// channel, `up` along its vertical one; ten with Shift. Other keys: none.
struct FieldStep {
    int across = 0;
    int up = 0;
};
FieldStep FieldStepFor(StepKey key, bool shift);

// The shelf's focus cell after a key: the arrows move a cell left, right or
// a row up or down, Page Up and Page Down `viewRows` rows, Home and End to
// the first and the last slot; always a slot of the palette (0 for an
// empty one).
int ShelfCellAfterKey(int cell, StepKey key, int count, int columns, int viewRows);

// Whether a Tab from the control at place `from` to the one at place `to`
// (places in the dialog's window order, which Tab goes round) passes place
// `mark` strictly between them: forward, or backward for Shift+Tab.
bool TabPasses(int from, int to, int mark, bool forward);

// The field's value: "Saturation 71, Value 88", its horizontal channel first.
std::u16string FieldValueText(const char16_t* nameAcross, int across, const char16_t* nameUp, int up);
// A swatch's or a slot's value: "#E0A040", then a space and the color's name
// when there is one.
std::u16string ColorValueText(CRGBA color, const char16_t* name);
// A label's text without its trailing colon ("Current:" is "Current").
std::u16string WithoutColon(const char16_t* label);
