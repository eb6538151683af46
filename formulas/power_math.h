// The arithmetic of the electrical power formulas: current, power and horsepower of
// direct-current, single-phase and three-phase circuits, and the stress in a motor shaft.
// Each function computes one operation at a time in the grouping shown beside it.
// Efficiencies and power factors are fractions (0.85, not 85).
#pragma once

#include "platform/real.h"

namespace zarn {

// Amperes from horsepower: (hp x 746) / (E x eff), and with the power factor and the
// three-phase factor 1.73 for alternating current.
Real dc_amperes_from_horsepower(Real horsepower, Real volts, Real efficiency);
Real single_phase_amperes_from_horsepower(Real horsepower, Real volts, Real efficiency,
                                          Real power_factor);
Real three_phase_amperes_from_horsepower(Real horsepower, Real volts, Real efficiency,
                                         Real power_factor);

// Amperes from kilowatts: (kW x 1000) / E, (kW x 1000) / (E x pf),
// (kW x 1000) / ((E x 1.73) x pf).
Real dc_amperes_from_kilowatts(Real kilowatts, Real volts);
Real single_phase_amperes_from_kilowatts(Real kilowatts, Real volts, Real power_factor);
Real three_phase_amperes_from_kilowatts(Real kilowatts, Real volts, Real power_factor);

// Amperes from kilovolt-amperes: (kVA x 1000) / E, (kVA x 1000) / (E x 1.73).
Real single_phase_amperes_from_kva(Real kva, Real volts);
Real three_phase_amperes_from_kva(Real kva, Real volts);

// Kilowatts from amperes and volts: (I x E) / 1000, ((I x E) x pf) / 1000,
// (((I x E) x 1.73) x pf) / 1000.
Real dc_kilowatts(Real amperes, Real volts);
Real single_phase_kilowatts(Real amperes, Real volts, Real power_factor);
Real three_phase_kilowatts(Real amperes, Real volts, Real power_factor);

// Kilovolt-amperes from amperes and volts: (I x E) / 1000, ((I x E) x 1.73) / 1000.
Real single_phase_kva(Real amperes, Real volts);
Real three_phase_kva(Real amperes, Real volts);

// Horsepower delivered by a motor: ((I x E) x eff) / 746, with the power factor and the
// three-phase factor for alternating current.
Real dc_horsepower_output(Real amperes, Real volts, Real efficiency);
Real single_phase_horsepower_output(Real amperes, Real volts, Real efficiency, Real power_factor);
Real three_phase_horsepower_output(Real amperes, Real volts, Real efficiency, Real power_factor);

// Stress in a motor shaft, lb per square inch: (hp x 321000) / (rpm x D cubed). The shaft
// diameter comes already cubed (cubic inches), as the user types it.
Real motor_shaft_stress_psi(Real horsepower, Real rpm, Real shaft_diameter_cubed_in3);

} // namespace zarn
