// The arithmetic of valve sizing: the flow coefficient Cv of a valve for water and for
// steam. Each function computes one operation at a time in the grouping shown beside it.
#pragma once

#include "platform/real.h"

namespace zarn {

// Cv of a water valve: GPM / (square root of dP), with dP the pressure drop across the
// valve in psi.
Real water_flow_coefficient(Real flow_gpm, Real pressure_drop_psi);

// How the steam valve is controlled; it sets the share of the inlet pressure taken as the
// pressure drop across the valve.
enum class ValveControl { two_position, modulating };

// The pressure drop as a share of the inlet pressure: 0.1 for two-position control; for
// modulating control 0.8 up to and including 15 psig and 0.42 above. The 0.42 is held
// one double step above 0.42 (bit pattern 3FDAE147AE147AE2), as the steam dialog has
// always computed with it.
Real steam_pressure_drop_share(ValveControl control, Real inlet_pressure_psig);

// Cv of a steam valve: (Q x K) / ((square root of (dP x P2)) x 3), with Q the steam flow
// in lb per hour, K the superheat factor (1 + 0.0007 x degF of superheat; 1 for saturated
// steam), dP = P x share the pressure drop and P2 = (P - dP) + 14.7 the absolute outlet
// pressure, P being the inlet gauge pressure in psig.
Real steam_flow_coefficient(Real steam_flow_lb_hr, Real superheat_factor_k,
                            Real inlet_pressure_psig, Real pressure_drop_share);

} // namespace zarn
