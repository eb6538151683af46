#include "formulas/otherpower_math.h"

namespace zarn {

Real resistance_ohms(Real volts, Real amperes)
{
    return volts / amperes;
}

Real voltage_volts(Real amperes, Real ohms)
{
    return amperes * ohms;
}

Real current_amperes(Real volts, Real ohms)
{
    return volts / ohms;
}

Real motor_torque_lb_ft(Real horsepower, Real rpm)
{
    return (horsepower * 5250) / rpm;
}

Real pump_horsepower(Real flow_gpm, Real head_ft, Real specific_gravity, Real pump_efficiency)
{
    return ((flow_gpm * head_ft) * specific_gravity) / (pump_efficiency * 3960);
}

Real synchronous_rpm(Real frequency_hz, Real poles)
{
    return (frequency_hz * 120) / poles;
}

Real percent_slip(Real synchronous_rpm_numerator, Real full_load_rpm,
                  Real synchronous_rpm_denominator)
{
    return ((synchronous_rpm_numerator - full_load_rpm) / synchronous_rpm_denominator) * 100;
}

Real voltage_drop_volts(Real amperes, Real circuit_length_ft, Real phase_factor,
                        Real ohms_per_1000_ft)
{
    return (((amperes * circuit_length_ft) * phase_factor) * ohms_per_1000_ft) / 1000;
}

} // namespace zarn
