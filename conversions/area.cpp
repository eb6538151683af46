// Area sheet: base unit square feet (A). "Sq. Miles" is written before "Sq. kilometers"
// although it stands below it. The acre uses 0.00002297 towards the base and 0.000022957
// from it.
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// A square foot is 9.29e-8 square kilometres both ways (1 km² is about 10.76 million
// ft²); the sheet once used 9.29e-6, which made a square kilometre equal to a hectare.
// clang-format off
constexpr UnitRow rows[] = {
    // id     label              to base (x typed)                         from base (A)
    {10305, "Sq. inches",      [](Real x) { return x / 144; },         [](Real A) { return A * 144; }},
    {10307, "Sq. centimeters", [](Real x) { return x / 929.0304; },    [](Real A) { return A * 929.0304; }},
    {10309, "Sq. feet",        [](Real x) { return x; },               [](Real A) { return A; }},
    {10311, "Sq. meters",      [](Real x) { return x / 0.0929; },      [](Real A) { return A * 0.0929; }},
    {10313, "Sq. yards",       [](Real x) { return x / 0.1111; },      [](Real A) { return A * 0.1111; }},
    {10315, "Acres",           [](Real x) { return x / 0.00002297; },  [](Real A) { return A * 0.000022957; }},
    {10317, "Hectares",        [](Real x) { return x * 107639.1; },    [](Real A) { return A / 107639.1; }},
    {10321, "Sq. Miles",       [](Real x) { return x / 3.58701e-8; },  [](Real A) { return A * 3.58701e-8; }},
    {10319, "Sq. kilometers",  [](Real x) { return x / 9.29e-8; },     [](Real A) { return A * 9.29e-8; }},
};
// clang-format on

} // namespace

const ConversionSheet area_table = {"Area", 10309, Rounding::while_writing, rows};

} // namespace zarn
