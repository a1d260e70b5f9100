#include "color/FloatColor.h"

#include "color/ByteConversion.h"

POINT3D ToFloatRgb(CRGBA color) { return {color.Red() / 255.0f, color.Green() / 255.0f, color.Blue() / 255.0f}; }

CRGBA FloatRgbToColor(float r, float g, float b)
{
    // The products are exact in double, so a component just below a whole
    // step is never rounded up onto it.
    return CRGBA::FromBytes(TruncToWrappedByte(r * 255.0), TruncToWrappedByte(g * 255.0),
                            TruncToWrappedByte(b * 255.0));
}
