// The windowless controls of the picker dialog. Each takes the rectangle of
// a hidden placeholder in the dialog template and is painted by the dialog
// into its off-screen picture: CStatic is a color swatch, CGr a gradient
// (channel slider, strip or two-dimensional field). Both keep their pixels
// in a CBitmapBuffer and render again only what their dirty bits ask for.
#pragma once

#include <windows.h>

#include <cstdint>

#include "color/BitmapBuffer.h"
#include "color/Checkerboard.h"
#include "color/ControlGeometry.h"
#include "color/ControlParams.h"

// What the controls read from, and ask of, the dialog controller that owns them.
class CControlOwner {
public:
    // True when the picker edits alpha: swatches show the color over the
    // checkerboard.
    virtual bool IsAlphaEnabled() const = 0;
    virtual CRGBA CurrentColor() const = 0;
    virtual Checkerboard BoardFor(CheckerboardUse use) const = 0;
    // Paints the dialog's background, and the frame around sliders that
    // erases their old marker triangles.
    virtual HBRUSH BackgroundBrush() const = 0;
    // Sets a channel to a fraction of its range; true when the color changed.
    virtual bool SetChannelFraction(int channel, float fraction) = 0;

protected:
    ~CControlOwner() = default;
};

class CWBase : public CControlGeometry {
public:
    CWBase() = default;
    CWBase(const CWBase&) = delete;
    CWBase& operator=(const CWBase&) = delete;
    virtual ~CWBase() = default;

    virtual void Paint(HDC dc) = 0;
    // Fills the buffer (or the brush) from the control's parameters.
    virtual void Render() = 0;
    // Takes the rectangle of a placeholder window, in its parent's client
    // coordinates; nothing for a window that does not exist.
    virtual void SetRectFromWindow(HWND placeholder);
    virtual bool HitTest(int x, int y, int marginX, int marginY) { return Contains(x, y, marginX, marginY); }
    // Where the control is painted, in its parent's client coordinates.
    RECT Area() const { return {left, top, left + width, top + height}; }

    // Makes the buffer current: created anew after a size change, rendered
    // again after a content change, untouched otherwise.
    void Prepare();
    // Copies the buffer to the control's place in dc.
    void Blit(HDC dc) const;

    CBitmapBuffer buffer;
};

// A color swatch: the dialog's current color, plain or, when the picker edits
// alpha, blended over the checkerboard with a wavy edge.
class CStatic final : public CWBase {
public:
    void Paint(HDC dc) override;
    void Render() override;

    CControlOwner* owner = nullptr;
    // The swatch below another one continues its wave and checkerboard.
    bool lower = false;

private:
    GdiObject<HBRUSH> brush;
};

// A gradient: a channel slider (kind 0), the strip beside the field (kind
// 1) or the field (kind 2 for the red, green and blue modes, 3 for hue,
// saturation and value), with its markers.
class CGr final : public CWBase {
public:
    // Bits of markerFlags.
    static constexpr std::uint32_t kRowMarker = 1;
    static constexpr std::uint32_t kColumnMarker = 2;
    static constexpr std::uint32_t kTriangleMarker = 4;

    void Paint(HDC dc) override;
    void Render() override;

    // Stores the words that differ and marks the content changed if any did.
    void SetParams(const GradientParams& words);
    void SetParam(int index, std::uint32_t word);
    // Applies a pointer position to the control's channels: across edits
    // channelX, up (bottom edge 0, top edge 1) edits channelY. True when the
    // color changed.
    bool MouseTrack(int x, int y);

    int kind = kHorizontalSlider;
    GradientParams params{};
    std::uint32_t markerFlags = 0;
    float posX = 0;
    float posY = 0;
    int channelX = -1;
    int channelY = -1;
    CControlOwner* owner = nullptr;

private:
    void PaintMarkers(HDC dc) const;
};
