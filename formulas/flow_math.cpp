#include "formulas/flow_math.h"

#include <bit>
#include <cstdint>

namespace zarn {

static_assert(std::bit_cast<std::uint64_t>(air_density_factor) == 0x3FF5333333333334);

Real air_velocity_fpm(Real velocity_pressure_in_wc, Real air_density_lb_ft3)
{
    Real quotient = velocity_pressure_in_wc / air_density_lb_ft3;
    Real root = sqrt(quotient);
    return root * 1096;
}

Real transmitter_air_velocity_fpm(Real flow_coefficient_cf, Real transmitter_output_ma)
{
    Real above_zero_signal = transmitter_output_ma - 4;
    Real root = sqrt(above_zero_signal);
    return root * flow_coefficient_cf;
}

Real air_density_lb_ft3(Real barometric_pressure_in_hg, Real absolute_temperature_r)
{
    Real quotient = barometric_pressure_in_hg / absolute_temperature_r;
    return quotient * air_density_factor;
}

Real air_flow_cfm(Real duct_velocity_fpm, Real duct_area_ft2)
{
    return duct_velocity_fpm * duct_area_ft2;
}

} // namespace zarn
