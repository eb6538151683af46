// Moist air at standard sea-level pressure, in inch-pound units: enthalpy, humidity ratio,
// relative humidity and dew point from curve fits (no iteration, no tables). Temperatures
// in deg F, enthalpy in Btu per lb of dry air, humidity ratio in lb of water per lb of dry
// air, relative humidity in percent.
#pragma once

#include "platform/real.h"

#include <stdexcept>

namespace zarn {

// An input the calculation cannot answer for; its text is what the user is told.
class OutOfRangeInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// x multiplied by `base` (n - i) times, one multiplication at a time from the left:
// power_of(x, x, 1, 4) is ((x * x) * x) * x. With i not below n it returns x.
Real power_of(Real x, Real base, int i, int n);

// The saturated-enthalpy fit holds from freezing upward; a lower wet bulb is refused.
inline constexpr double lowest_wet_bulb_f = 32;
inline constexpr const char* wet_bulb_too_low_text =
    "Wet bulb below 32 deg. F is outside the range of this calculation";

struct AirFromWetBulb {
    Real enthalpy;          // Btu/lb of saturated air at the wet bulb
    Real humidity_ratio;    // lb water / lb dry air
    Real relative_humidity; // percent
};

// Enthalpy, humidity ratio and relative humidity of air from its dry-bulb and wet-bulb
// temperatures (deg F). Raises OutOfRangeInput for a wet bulb below lowest_wet_bulb_f.
AirFromWetBulb air_from_wet_bulb(Real dry_bulb_f, Real wet_bulb_f);

struct AirFromRelativeHumidity {
    Real enthalpy;       // Btu/lb dry air
    Real humidity_ratio; // lb water / lb dry air
    Real dew_point;      // deg F
};

// Enthalpy, humidity ratio and dew point of air from its dry-bulb temperature (deg F) and
// relative humidity (percent). A relative humidity of zero or below has no dew point: the
// arithmetic faults (division by zero, logarithm out of range).
AirFromRelativeHumidity air_from_relative_humidity(Real dry_bulb_f, Real relative_humidity_pct);

// The dew point (deg F) of air at dry bulb `dry_bulb_f` whose vapour pressure is
// `vapour_pressure_inhg` inches of mercury: the fit over water above a 32 deg F dry bulb,
// the fit over ice at 32 and below.
Real figure_dewpoint(Real dry_bulb_f, Real vapour_pressure_inhg);

} // namespace zarn
