// The arithmetic of the air flow formulas: air velocity from velocity pressure, from a
// differential-pressure transmitter's current output, air density and air flow. Each
// function computes one operation at a time in the grouping shown beside it.
#pragma once

#include "platform/real.h"

namespace zarn {

// The air density factor, held one double step above 1.325 (bit pattern
// 3FF5333333333334), as the air density dialog has always computed with it; the
// ten-digit display hides the difference.
inline constexpr double air_density_factor = 1.3250000000000002;

// Air velocity in feet per minute: (square root of (Pv / D)) x 1096, with Pv the velocity
// pressure in inches of water column and D the air density in lb per cubic foot.
Real air_velocity_fpm(Real velocity_pressure_in_wc, Real air_density_lb_ft3);

// Air velocity in feet per minute measured through a pitot tube and a 4-20 mA
// differential-pressure transmitter: (square root of (Mo - 4)) x Cf, with Cf the flow
// coefficient of the transmitter's range and Mo its output in mA.
Real transmitter_air_velocity_fpm(Real flow_coefficient_cf, Real transmitter_output_ma);

// Air density in lb per cubic foot: (Pb / T) x 1.325 (the factor above), with Pb the
// barometric pressure in inches of mercury and T the absolute temperature (degF + 460).
Real air_density_lb_ft3(Real barometric_pressure_in_hg, Real absolute_temperature_r);

// Air flow in cubic feet per minute: V x A, with V the average duct velocity in feet per
// minute and A the duct's cross-sectional area in square feet.
Real air_flow_cfm(Real duct_velocity_fpm, Real duct_area_ft2);

} // namespace zarn
