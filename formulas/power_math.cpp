#include "formulas/power_math.h"

namespace zarn {

// Watts in one horsepower, and the square root of three as the trade rounds it.
constexpr double watts_per_hp = 746;
constexpr double three_phase = 1.73;

Real dc_amperes_from_horsepower(Real horsepower, Real volts, Real efficiency)
{
    return (horsepower * watts_per_hp) / (volts * efficiency);
}

Real single_phase_amperes_from_horsepower(Real horsepower, Real volts, Real efficiency,
                                          Real power_factor)
{
    return (horsepower * watts_per_hp) / ((volts * efficiency) * power_factor);
}

Real three_phase_amperes_from_horsepower(Real horsepower, Real volts, Real efficiency,
                                         Real power_factor)
{
    return (horsepower * watts_per_hp) / (((volts * three_phase) * efficiency) * power_factor);
}

Real dc_amperes_from_kilowatts(Real kilowatts, Real volts)
{
    return (kilowatts * 1000) / volts;
}

Real single_phase_amperes_from_kilowatts(Real kilowatts, Real volts, Real power_factor)
{
    return (kilowatts * 1000) / (volts * power_factor);
}

Real three_phase_amperes_from_kilowatts(Real kilowatts, Real volts, Real power_factor)
{
    return (kilowatts * 1000) / ((volts * three_phase) * power_factor);
}

Real single_phase_amperes_from_kva(Real kva, Real volts)
{
    return (kva * 1000) / volts;
}

Real three_phase_amperes_from_kva(Real kva, Real volts)
{
    return (kva * 1000) / (volts * three_phase);
}

Real dc_kilowatts(Real amperes, Real volts)
{
    return (amperes * volts) / 1000;
}

Real single_phase_kilowatts(Real amperes, Real volts, Real power_factor)
{
    return ((amperes * volts) * power_factor) / 1000;
}

Real three_phase_kilowatts(Real amperes, Real volts, Real power_factor)
{
    return (((amperes * volts) * three_phase) * power_factor) / 1000;
}

Real single_phase_kva(Real amperes, Real volts)
{
    return (amperes * volts) / 1000;
}

Real three_phase_kva(Real amperes, Real volts)
{
    return ((amperes * volts) * three_phase) / 1000;
}

Real dc_horsepower_output(Real amperes, Real volts, Real efficiency)
{
    return ((amperes * volts) * efficiency) / watts_per_hp;
}

Real single_phase_horsepower_output(Real amperes, Real volts, Real efficiency, Real power_factor)
{
    return (((amperes * volts) * efficiency) * power_factor) / watts_per_hp;
}

Real three_phase_horsepower_output(Real amperes, Real volts, Real efficiency, Real power_factor)
{
    return ((((amperes * volts) * three_phase) * efficiency) * power_factor) / watts_per_hp;
}

Real motor_shaft_stress_psi(Real horsepower, Real rpm, Real shaft_diameter_cubed_in3)
{
    return (horsepower * 321000) / (rpm * shaft_diameter_cubed_in3);
}

} // namespace zarn
