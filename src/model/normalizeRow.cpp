// Division of one position by its total.
#include <cmath>

#include "model/model.h"

Row normalizeRow(double a, double c, double g, double t) {
    const double s = a + c + g + t;
    Row r{a / s, c / s, g / s, t / s};
    for (double v : r)
        if (!std::isfinite(v)) return Row{0.25, 0.25, 0.25, 0.25};
    return r;
}
