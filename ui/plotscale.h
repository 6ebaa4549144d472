#pragma once

namespace tervox::ui {

// A step of 1, 2 or 5 times a power of ten that cuts span into about `count` parts;
// 1 for an empty or unbounded span.
double NiceStep(double span, int count);

// How many decimals an axis label needs to tell values `step` apart.
int DecimalsFor(double step);

} // namespace tervox::ui
