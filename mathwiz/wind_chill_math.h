// The wind-chill temperature: how cold the air feels at a given wind speed, from the
// four-term wind-chill index with the wind speed to the power 0.16.
#pragma once

#include "platform/real.h"

#include <cstdint>

namespace zarn {

// The root_index-th root of `radicand`: exp(ln(radicand) * (1 / root_index)). A radicand
// of zero or below is a logarithm fault.
Real nroot(Real root_index, std::int32_t radicand);

// The wind speed as the index uses it: the nearest whole number, halves away from zero
// (2.5 gives 3, 20.4 gives 20). A speed beyond the 32-bit range is an overflow fault.
std::int32_t round_wind_speed(Real wind_speed_mph);

// The wind chill (deg F, a whole number) at air temperature `air_temperature_f` (deg F) and
// wind speed `wind_speed_mph`. A speed that rounds to 0 or below is a logarithm fault.
// The index holds only at 50 deg F and below with a wind of at least 3 mph; outside that
// there is no wind chill to speak of, and the air temperature itself is given (rounded),
// never a "chill" warmer than the air.
Real wind_chill(Real air_temperature_f, Real wind_speed_mph);

} // namespace zarn
