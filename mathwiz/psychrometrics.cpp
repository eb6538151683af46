#include "mathwiz/psychrometrics.h"

namespace zarn {
namespace {

// clang-format off
constexpr double standard_pressure_psia  = 14.696;  // sea level, psi absolute
constexpr double molecular_mass_ratio    = 0.622;   // water vapour to dry air
constexpr double dry_air_specific_heat   = 0.24;    // Btu/lb per deg F
constexpr double vapour_specific_heat    = 0.445;   // Btu/lb per deg F
constexpr double latent_heat             = 1060;    // Btu/lb
constexpr double psi_to_inches_of_mercury = 2.03603;

// Saturated-air enthalpy, Btu/lb, in powers 0 to 4 of the wet bulb (deg F). The powers 1
// and 3 have negative coefficients: the fit subtracts these magnitudes.
constexpr double enthalpy_c0 = 5.682624;
constexpr double enthalpy_c1 = 0.08073983;   // subtracted
constexpr double enthalpy_c2 = 0.01157872;
constexpr double enthalpy_c3 = 0.000123042;  // subtracted
constexpr double enthalpy_c4 = 8.142687E-7;

// Saturation vapour pressure, psia, in powers 0 to 5 of the dry bulb (deg F).
constexpr double pressure_d0 = 0.01312565;
constexpr double pressure_d1 = 0.001442349;
constexpr double pressure_d2 = 1.495523E-5;
constexpr double pressure_d3 = 3.420566E-7;
constexpr double pressure_d4 = 1.123859E-9;
constexpr double pressure_d5 = 1.876527E-11;

// Dew point, deg F, from the logarithm L of the vapour pressure in inches of mercury:
// constant + L * linear + L^2 * square.
struct DewPointFit {
    double constant, linear, square;
};
constexpr DewPointFit dew_point_over_water = {79.047, 30.579, 1.8893}; // dry bulb above 32
constexpr DewPointFit dew_point_over_ice   = {71.98,  24.873, 0.8927}; // dry bulb 32 or below
constexpr double freezing_f = 32;
// clang-format on

Real saturated_enthalpy(Real w)
{
    return (power_of(w, w, 1, 4) * enthalpy_c4) +
           (((power_of(w, w, 1, 2) * enthalpy_c2) + (enthalpy_c0 - (w * enthalpy_c1))) -
            (power_of(w, w, 1, 3) * enthalpy_c3));
}

Real saturation_pressure_psia(Real t)
{
    return (power_of(t, t, 1, 5) * pressure_d5) +
           ((power_of(t, t, 1, 4) * pressure_d4) +
            ((power_of(t, t, 1, 3) * pressure_d3) +
             ((power_of(t, t, 1, 2) * pressure_d2) + ((t * pressure_d1) + pressure_d0))));
}

// Enthalpy of water vapour at t deg F, Btu per lb of vapour.
Real vapour_enthalpy(Real t)
{
    return (t * vapour_specific_heat) + latent_heat;
}

} // namespace

Real power_of(Real x, Real base, int i, int n)
{
    for (; i < n; ++i)
        x = x * base;
    return x;
}

AirFromWetBulb air_from_wet_bulb(Real dry_bulb_f, Real wet_bulb_f)
{
    if (wet_bulb_f < lowest_wet_bulb_f) throw OutOfRangeInput(wet_bulb_too_low_text);
    const Real t = dry_bulb_f;
    const Real h = saturated_enthalpy(wet_bulb_f);
    const Real ratio = (h - (t * dry_air_specific_heat)) / vapour_enthalpy(t);
    const Real vapour_psia = standard_pressure_psia / ((molecular_mass_ratio / ratio) + 1);
    const Real rh = (vapour_psia * 100) / saturation_pressure_psia(t);
    return {h, ratio, rh};
}

AirFromRelativeHumidity air_from_relative_humidity(Real dry_bulb_f, Real relative_humidity_pct)
{
    const Real t = dry_bulb_f;
    const Real saturation_psia = saturation_pressure_psia(t);
    const Real vapour_psia = (relative_humidity_pct / 100) * saturation_psia;
    const Real ratio = 1 / (((standard_pressure_psia / vapour_psia) - 1) / molecular_mass_ratio);
    const Real h = (t * dry_air_specific_heat) + (vapour_enthalpy(t) * ratio);
    const Real vapour_inhg = vapour_psia * psi_to_inches_of_mercury;
    return {h, ratio, figure_dewpoint(t, vapour_inhg)};
}

Real figure_dewpoint(Real dry_bulb_f, Real vapour_pressure_inhg)
{
    const Real l = ln(vapour_pressure_inhg);
    const Real l2 = power_of(l, l, 1, 2);
    // The fit is chosen by the dry bulb, not by the dew point it gives.
    const DewPointFit& fit = dry_bulb_f > freezing_f ? dew_point_over_water : dew_point_over_ice;
    return (l2 * fit.square) + ((l * fit.linear) + fit.constant);
}

} // namespace zarn
