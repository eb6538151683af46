// Temperature sheet: base unit degrees Fahrenheit (F).
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// The Rankine offset is 459.67 both ways, so that 0 K shows 0 °R; the sheet once used
// 460.67, which put absolute zero at 1 °R.
// clang-format off
constexpr UnitRow rows[] = {
    // id     label         to base (x typed)                                from base (F)
    {10462, "Fahrenheit", [](Real x) { return x; },                        [](Real F) { return F; }},
    {10464, "Celsius",    [](Real x) { return x * 1.8 + 32; },             [](Real F) { return (F - 32) / 1.8; }},
    {10466, "Kelvin",     [](Real x) { return (x - 273.15) * 1.8 + 32; },  [](Real F) { return (F - 32) / 1.8 + 273.15; }},
    {10468, "Rankin",     [](Real x) { return x - 459.67; },               [](Real F) { return F + 459.67; }},
};
// clang-format on

} // namespace

const ConversionSheet temperature_table = {"Temperature", 10462, Rounding::before_writing, rows};

} // namespace zarn
