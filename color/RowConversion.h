// Turns rows of float color components into pixels in bulk. Each component
// is first taken as offset + component x scale (two single-precision
// steps), then its byte is trunc(value x 255) with the product exact in
// double, keeping the low eight bits, exactly as FloatRgbToColor does one
// pixel at a time. Components kept in separate arrays let several be
// converted at once.
#pragma once

#include <cstdint>

#include "color/ColorTypes.h"
#include "plexa/POINT3D.h"

// Columns the renderers prepare per band; wider views are drawn in bands.
constexpr int kBandColumns = 512;

// One band of one row, as three arrays of kBandColumns components.
struct FloatRow {
    alignas(16) float red[kBandColumns];
    alignas(16) float green[kBandColumns];
    alignas(16) float blue[kBandColumns];

    void Set(int i, const POINT3D& color)
    {
        red[i] = color.x;
        green[i] = color.y;
        blue[i] = color.z;
    }
};

// How a row's components become the values converted: offset + c x scale.
// The identity (offset 0, scale 1) leaves every value as it is.
struct RowTransform {
    POINT3D offset{0.0f, 0.0f, 0.0f};
    float scale = 1.0f;
};

// Writes count (at most kBandColumns) pixels to pixels, adding the bytes of
// `fixed` to each (modulo 256). Values are taken as clamped to -8..8, far
// outside anything a renderer computes from byte colors, so that a stray
// value cannot make the conversion undefined.
void StoreRow(const FloatRow& row, int count, std::uint8_t* pixels, const RowTransform& transform = {},
              CRGBA fixed = CRGBA(0));
