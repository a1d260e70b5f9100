#include "plexa/POINT3D.h"

namespace {

float Clamp(float value, float min, float max)
{
    if (!(value >= min)) // also catches NaN
        return min;
    return value > max ? max : value;
}

} // namespace

void POINT3D::Limit(float min, float max)
{
    x = Clamp(x, min, max);
    y = Clamp(y, min, max);
    z = Clamp(z, min, max);
}
