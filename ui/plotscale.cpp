#include "plotscale.h"

#include <algorithm>
#include <cmath>

namespace tervox::ui {

double NiceStep(double span, int count) {
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    const double raw = span / count;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double nice = norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10;
    return nice * magnitude;
}

int DecimalsFor(double step) {
    return std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
}

} // namespace tervox::ui
