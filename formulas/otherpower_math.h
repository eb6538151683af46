// The arithmetic of the motor and circuit formulas: Ohm's law, motor torque, pump
// horsepower, synchronous speed, slip and the voltage drop of a circuit. Each function
// computes one operation at a time in the grouping shown beside it.
#pragma once

#include "platform/real.h"

namespace zarn {

// Ohm's law, solved for each of its three quantities: R = E / I, E = I x R, I = E / R.
Real resistance_ohms(Real volts, Real amperes);
Real voltage_volts(Real amperes, Real ohms);
Real current_amperes(Real volts, Real ohms);

// Torque of a motor in lb-ft: (hp x 5250) / rpm.
Real motor_torque_lb_ft(Real horsepower, Real rpm);

// Horsepower a pump needs: ((gpm x head) x SG) / (eff x 3960), the efficiency a fraction.
Real pump_horsepower(Real flow_gpm, Real head_ft, Real specific_gravity, Real pump_efficiency);

// Synchronous speed of a motor in rpm: (Hz x 120) / poles.
Real synchronous_rpm(Real frequency_hz, Real poles);

// Slip of a motor in percent: ((S - F) / S) x 100, where the synchronous speed S is taken
// once from the numerator's field and once from the denominator's.
Real percent_slip(Real synchronous_rpm_numerator, Real full_load_rpm,
                  Real synchronous_rpm_denominator);

// Voltage drop of a circuit in volts: (((A x L) x k) x R) / 1000, where k is 2 for a
// single-phase circuit (out and back) and 1.73 for a three-phase one, and R the
// conductor's resistance in ohms per 1000 ft.
Real voltage_drop_volts(Real amperes, Real circuit_length_ft, Real phase_factor,
                        Real ohms_per_1000_ft);

} // namespace zarn
