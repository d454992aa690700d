// Division of one position by its total.
#include <cmath>

#include "model/model.h"

Row normalizeRow(double a, double c, double g, double t) {
    const Row even{0.25, 0.25, 0.25, 0.25};
    const double s = a + c + g + t;
    // A total that overflows divides every finite count down to zero: no usable total.
    if (!std::isfinite(s)) return even;
    Row r{a / s, c / s, g / s, t / s};
    for (double v : r)
        if (!std::isfinite(v)) return even;
    return r;
}
