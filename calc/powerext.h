#pragma once

#include "ext.h"

namespace tervox::calc {

// base raised to exponent, by these rules in this order:
//   1. exponent 0: 1, for any base;
//   2. base 0 and exponent > 0: 0;
//   3. a whole exponent of magnitude <= 2147483647: repeated squaring (a negative
//      exponent takes the reciprocal of the product; a zero base then divides by zero);
//   4. otherwise exp(exponent * ln(base)) in extended precision: a negative base is
//      an invalid operation, a zero base a division by zero, a result beyond the
//      extended range an overflow.
Ext PowerExt(Ext base, Ext exponent);

} // namespace tervox::calc
