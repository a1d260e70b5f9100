// The color the picker edits, held twice: as a packed color (`currentColor`)
// and as hue, saturation and value (`currentHsv`). Every change goes through
// the four setters, which keep the two halves consistent, keep the alpha
// byte when the picker edits alpha, and report what they did; the dialog
// then records the undo step and refreshes its controls.
#pragma once

#include "color/ColorTypes.h"

// What a setter did. `undoable` changes (a new color, or a hue, saturation
// or value) are undo steps whose earlier color is `previous`; red, green,
// blue and alpha channel edits are not.
struct ColorChange {
    bool changed = false;
    bool undoable = false;
    CRGBA previous;

    explicit operator bool() const { return changed; }
};

// The largest value of a channel: 255 for red, green, blue and alpha, 360
// for hue, 100 for saturation and value; 0 for a number that is no channel.
int ChannelRange(int channel);
// The value limited to the channel's range.
int ClampToChannel(int channel, int value);
// The color with one channel replaced: red, green, blue or alpha in a CRGBA,
// hue, saturation or value in a CHSV (the value is taken as it is).
CRGBA WithChannel(CRGBA color, int channel, int value);
CHSV WithChannel(CHSV hsv, int channel, int value);
// A channel's integer value in a color held as both halves (0 for a number
// that is no channel), and where its marker sits: value over range, 0..1.
int ChannelValueOf(int channel, CRGBA color, CHSV hsv);
float ChannelFractionOf(int channel, CRGBA color, CHSV hsv);

class CColorModel {
public:
    // All ones until Install: a dialog that never started reports 0xFFFFFFFF.
    CColorModel();

    // The request's color at start-up, all four bytes; no undo step.
    void Install(CRGBA color);

    // Clamps the value to the channel's range; false for a channel outside
    // 0..6 or an unchanged value. Red, green, blue and alpha recompute the
    // hue, saturation and value; hue, saturation and value recompute the
    // color.
    ColorChange SetChannel(int channel, int value);
    // value = trunc(range x fraction) in single precision, then SetChannel.
    ColorChange SetChannelFraction(int channel, float fraction);
    // False when the low 24 bits are unchanged (the top byte alone changes
    // nothing). Otherwise the whole word is taken, but with alpha enabled
    // the alpha byte stays.
    ColorChange SetColor(CRGBA color);
    // False when the word is unchanged.
    ColorChange SetHsv(CHSV hsv);

    int ChannelValue(int channel) const { return ChannelValueOf(channel, currentColor, currentHsv); }
    float ChannelFraction(int channel) const { return ChannelFractionOf(channel, currentColor, currentHsv); }

    CRGBA currentColor;
    CHSV currentHsv;
    // Nonzero: the alpha byte is the edited alpha, kept through every color
    // change. Zero: conversions from hue, saturation and value leave it 0.
    bool alphaEnabled = false;

private:
    // Stores a color converted from currentHsv, with the alpha byte rule.
    void TakeConvertedColor(CRGBA before);
};
