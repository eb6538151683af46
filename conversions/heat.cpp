// Heat sheet: base unit Btu (B).
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// clang-format off
constexpr UnitRow rows[] = {
    // id     label           to base (x typed)                       from base (B)
    {10247, "Btu",          [](Real x) { return x; },             [](Real B) { return B; }},
    {10249, "Therm",        [](Real x) { return x / 0.00001; },   [](Real B) { return B * 0.00001; }},
    {10251, "Watt-seconds", [](Real x) { return x / 1054.35; },   [](Real B) { return B * 1054.35; }},
    {10253, "Calories (g)", [](Real x) { return x / 251.996; },   [](Real B) { return B * 251.996; }},
};
// clang-format on

} // namespace

const ConversionSheet heat_table = {"Heat", 10247, Rounding::while_writing, rows};

} // namespace zarn
