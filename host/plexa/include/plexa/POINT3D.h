// A point or vector of three single-precision floats.
#pragma once

#include "plexa/PlexaApi.h"

struct PLEXA_API POINT3D {
    float x;
    float y;
    float z;

    // Clamps each coordinate into [min, max]; a NaN coordinate becomes min.
    void Limit(float min, float max);
};
