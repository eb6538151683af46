// The arithmetic of the pressure formulas: air velocity and velocity pressure, the
// relation of total, static and velocity pressure in a duct, and pressure against head of
// a liquid. Each function computes one operation at a time in the grouping shown beside it.
#pragma once

#include "platform/real.h"

namespace zarn {

// Air velocity in feet per minute from the velocity pressure in inches of water:
// (square root of Pv) x 4004.
Real air_velocity_from_velocity_pressure_fpm(Real velocity_pressure_in_wc);

// Velocity pressure in inches of water from the air velocity in feet per minute:
// (V / 4004) x (V / 4004), the quotient computed once for each factor.
Real velocity_pressure_in_wc(Real air_velocity_fpm);

// Total pressure minus static pressure equals velocity pressure, in any one pressure unit:
// velocity = total - static, total = velocity + static, static = total - velocity.
Real velocity_pressure_from_total_and_static(Real total_pressure, Real static_pressure);
Real total_pressure_from_velocity_and_static(Real velocity_pressure, Real static_pressure);
Real static_pressure_from_total_and_velocity(Real total_pressure, Real velocity_pressure);

// Pressure in psi against head in feet of a liquid of specific gravity SG (water 1):
// head = (psi x 2.31) / SG, SG = (psi x 2.31) / head, psi = (head x SG) / 2.31.
Real head_ft(Real pressure_psi, Real specific_gravity);
Real specific_gravity_from_head(Real pressure_psi, Real head_ft);
Real pressure_psi_from_head(Real head_ft, Real specific_gravity);

} // namespace zarn
