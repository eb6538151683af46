// The display rounding of the conversion sheets and the pressure formulas.
#pragma once

#include "platform/real.h"

namespace zarn {

// x to three decimals: (floor(x × 1000 + 0.5)) ÷ 1000, one double operation at a time,
// so ties go towards positive infinity (0.0005 -> 0.001, -0.0005 -> 0, -0.0015 -> -0.001).
// An infinite or NaN x, or an x whose thousandfold leaves the double range, is an
// ArithmeticFault.
Real round_value(Real x);

} // namespace zarn
