// The Humidity sheet: two moist-air calculators, each on its own Calculate button.
#pragma once

#include "platform/platform.h"
#include "platform/real.h"

namespace zarn {

// Calculator A: writes enthalpy, humidity ratio and relative humidity from the dry and
// wet bulb (deg F). A wet bulb below freezing shows the "Error" box and writes nothing.
void solve_humidity(Window dialog, Real dry_bulb_f, Real wet_bulb_f);
// Calculator B: writes enthalpy, humidity ratio and dew point from the dry bulb (deg F)
// and the relative humidity (percent).
void solve_humidity2(Window dialog, Real dry_bulb_f, Real relative_humidity_pct);

// The sheet's rule in the calculator's handler: its two Calculate buttons.
Outcome humidity_sheet_eh(Window dialog, const Event& event);

} // namespace zarn
