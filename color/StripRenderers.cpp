#include "color/FloatColor.h"
#include "color/FloatTriple.h"
#include "color/GradientRenderers.h"
#include "color/HueWalker.h"

void RenderTwoColorStrip(const PixelView& view, CRGBA top, CRGBA bottom)
{
    if (!view.IsUsable())
        return;
    const POINT3D start = ToFloatRgb(top);
    const POINT3D d = (ToFloatRgb(bottom) - start) / static_cast<float>(view.height);
    POINT3D color = start;
    for (int y = 0; y < view.height; ++y) {
        FillPixels(view.RowFromTop(y), view.width, FloatRgbToColor(color));
        color = color + d;
    }
}

void RenderHueStrip(const PixelView& view)
{
    if (!view.IsUsable())
        return;
    HueWalker walker(1.0f, 0.0f, view.height);
    for (int m = 0; m < view.height; ++m) {
        FillPixels(view.MemoryRow(m), view.width, FloatRgbToColor(walker.Color()));
        walker.Step(m);
    }
}
