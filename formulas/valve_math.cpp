#include "formulas/valve_math.h"

#include <bit>
#include <cstdint>

namespace zarn {
namespace {

constexpr double two_position_share = 0.1;
constexpr double modulating_low_pressure_share = 0.8;
constexpr double modulating_high_pressure_share = 0.42000000000000004;
static_assert(std::bit_cast<std::uint64_t>(modulating_high_pressure_share) == 0x3FDAE147AE147AE2);

} // namespace

Real water_flow_coefficient(Real flow_gpm, Real pressure_drop_psi)
{
    Real root = sqrt(pressure_drop_psi);
    return flow_gpm / root;
}

Real steam_pressure_drop_share(ValveControl control, Real inlet_pressure_psig)
{
    if (control == ValveControl::two_position) return two_position_share;
    return inlet_pressure_psig <= 15 ? modulating_low_pressure_share
                                     : modulating_high_pressure_share;
}

Real steam_flow_coefficient(Real steam_flow_lb_hr, Real superheat_factor_k,
                            Real inlet_pressure_psig, Real pressure_drop_share)
{
    Real pressure_drop = inlet_pressure_psig * pressure_drop_share;
    Real outlet_pressure_psia = (inlet_pressure_psig - pressure_drop) + 14.7;
    Real numerator = steam_flow_lb_hr * superheat_factor_k;
    Real product = pressure_drop * outlet_pressure_psia;
    Real root = sqrt(product);
    Real denominator = root * 3;
    return numerator / denominator;
}

} // namespace zarn
