// Component-wise arithmetic on float color triples. Every operation rounds
// each component to single precision, which is what the gradients'
// accumulations are defined by.
#pragma once

#include "plexa/POINT3D.h"

inline POINT3D operator+(const POINT3D& a, const POINT3D& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline POINT3D operator-(const POINT3D& a, const POINT3D& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline POINT3D operator-(const POINT3D& a) { return {-a.x, -a.y, -a.z}; }
inline POINT3D operator/(const POINT3D& a, float d) { return {a.x / d, a.y / d, a.z / d}; }
inline POINT3D operator*(const POINT3D& a, float f) { return {a.x * f, a.y * f, a.z * f}; }
