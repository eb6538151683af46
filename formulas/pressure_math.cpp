#include "formulas/pressure_math.h"

namespace zarn {

Real air_velocity_from_velocity_pressure_fpm(Real velocity_pressure_in_wc)
{
    return sqrt(velocity_pressure_in_wc) * 4004;
}

Real velocity_pressure_in_wc(Real air_velocity_fpm)
{
    return (air_velocity_fpm / 4004) * (air_velocity_fpm / 4004);
}

Real velocity_pressure_from_total_and_static(Real total_pressure, Real static_pressure)
{
    return total_pressure - static_pressure;
}

Real total_pressure_from_velocity_and_static(Real velocity_pressure, Real static_pressure)
{
    return velocity_pressure + static_pressure;
}

Real static_pressure_from_total_and_velocity(Real total_pressure, Real velocity_pressure)
{
    return total_pressure - velocity_pressure;
}

Real head_ft(Real pressure_psi, Real specific_gravity)
{
    return (pressure_psi * 2.31) / specific_gravity;
}

Real specific_gravity_from_head(Real pressure_psi, Real head_ft)
{
    return (pressure_psi * 2.31) / head_ft;
}

Real pressure_psi_from_head(Real head_ft, Real specific_gravity)
{
    return (head_ft * specific_gravity) / 2.31;
}

} // namespace zarn
