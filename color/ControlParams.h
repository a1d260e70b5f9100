// What the picker's gradient controls are given after every change of the
// current color: the two words each channel slider's renderer needs, and for
// the field and its strip the renderer words, the axes and the marker
// positions that the field mode (the channel shown along the strip) decides.
#pragma once

#include <array>
#include <cstdint>

#include "color/ColorTypes.h"

// The eight gradient sliders in the controller's order.
enum SliderIndex : int {
    kRedSlider = 0,
    kGreenSlider,
    kBlueSlider,
    kHueSlider,
    kSaturationSlider,
    kValueSlider,
    kStripSlider,
    kAlphaSlider,
    kSliderCount,
};

// Renderer kinds of a gradient control.
enum GradientKind : int {
    kHorizontalSlider = 0,
    kVerticalStrip = 1,
    kRgbField = 2,
    kHsvField = 3,
};

using GradientParams = std::array<std::uint32_t, 5>;

// params[0] and params[1] of a channel slider (red to value, and alpha):
// the color at its left end and the one it approaches at its right end. The
// hue slider takes only params[0], which carries the saturation and value of
// the color; its params[1] is left as it was.
struct SliderEnds {
    std::uint32_t start;
    std::uint32_t end;
};
SliderEnds SliderEndsFor(int slider, CRGBA color, CHSV hsv);

// The field and the strip for one field mode (0 red to 5 value).
struct FieldSetup {
    // False for a mode outside 0..5: the field then shows `params` with kind
    // 3, and axes and markers stay as they were.
    bool hasChannel = false;
    int kind = kHsvField;
    int channelX = -1;
    int channelY = -1;
    GradientParams params{};
    // Marker fractions: the field's across and up, the strip's up.
    float fieldX = 0;
    float fieldY = 0;
    float stripY = 0;
};
FieldSetup FieldSetupFor(int mode, CRGBA color, CHSV hsv);

// The strip's top color (params[2]) outside the hue mode: the full channel
// of the red, green and blue modes, white for any other mode. Its bottom
// color (params[3]) is always black.
std::uint32_t StripTopColorFor(int mode);
