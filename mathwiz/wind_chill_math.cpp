#include "mathwiz/wind_chill_math.h"

#include <cmath>
#include <limits>

namespace zarn {
namespace {

// clang-format off
// Wind chill = 35.74 + 0.6215 T - 35.75 V^0.16 + 0.4275 T V^0.16 (T deg F, V mph).
constexpr double index_constant       = 35.74;
constexpr double temperature_term     = 0.6215;
constexpr double wind_term            = 35.75;
constexpr double temperature_and_wind = 0.4275;
constexpr double wind_root_index      = 6.25;   // the 6.25th root is the power 0.16

// Where the index holds.
constexpr double warmest_air_f        = 50;
constexpr std::int32_t slowest_wind_mph = 3;
// clang-format on

// The nearest whole number, halves upward (-9.5 gives -9, 9.5 gives 10).
Real round_half_up(Real x)
{
    return floor(x + 0.5);
}

} // namespace

Real nroot(Real root_index, std::int32_t radicand)
{
    return exp(ln(Real(radicand)) * (1 / root_index));
}

std::int32_t round_wind_speed(Real wind_speed_mph)
{
    const double rounded = std::round(checked_finite(wind_speed_mph.value()));
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw ArithmeticFault(ArithmeticFault::Overflow);
    return static_cast<std::int32_t>(rounded);
}

Real wind_chill(Real air_temperature_f, Real wind_speed_mph)
{
    const Real t = air_temperature_f;
    const std::int32_t n = round_wind_speed(wind_speed_mph);
    // Taken before the range check so that a calm or negative speed is refused everywhere.
    const Real p = nroot(wind_root_index, n);
    if (t > warmest_air_f || n < slowest_wind_mph) return round_half_up(t);
    const Real chill = ((t * temperature_and_wind) * p) +
                       (((t * temperature_term) + index_constant) - (p * wind_term));
    return round_half_up(chill);
}

} // namespace zarn
