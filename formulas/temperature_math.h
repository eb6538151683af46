// The arithmetic of the heat formulas: heat carried by water and by air, and refrigeration
// tons. Each function computes one operation at a time in the grouping shown beside it.
#pragma once

#include "platform/real.h"

namespace zarn {

// Heat carried by water in BTU per hour: (GPM x dT) x 499.8, with dT the temperature
// difference in degF.
Real water_heat_flow_btu_hr(Real flow_gpm, Real temperature_difference_f);

// Refrigeration tons carried by water: (GPM x dT) / 24.00960384, the divisor being
// 12000 BTU per hour and ton over 499.8.
Real refrigeration_tons_from_water(Real flow_gpm, Real temperature_difference_f);

// Refrigeration tons from a heat flow in BTU per hour: BTUH / 12000.
Real refrigeration_tons_from_heat_flow(Real heat_flow_btu_hr);

// Sensible heat carried by air in BTU per hour: (CFM x 1.08) x dT, with dT the
// temperature difference in degF.
Real sensible_air_heat_flow_btu_hr(Real air_flow_cfm, Real temperature_difference_f);

} // namespace zarn
