// The Wind Chill sheet: air temperature and wind speed in, the wind chill out.
#pragma once

#include "platform/platform.h"

namespace zarn {

// The sheet's rule in the calculator's handler: its Calculate button.
Outcome wind_chill_sheet_eh(Window dialog, const Event& event);

} // namespace zarn
