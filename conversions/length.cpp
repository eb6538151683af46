// Length sheet: base unit inches (L). Each constant is inches per unit, multiplied
// towards the base and divided from it.
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// A mil is 0.001 inch both ways (1 inch is 1000 mils); the sheet once used 0.0001.
// clang-format off
constexpr UnitRow rows[] = {
    // id     label          to base (x typed)                        from base (L)
    {10381, "Microns",     [](Real x) { return x * 0.00003937; }, [](Real L) { return L / 0.00003937; }},
    {10383, "Mils",        [](Real x) { return x * 0.001; },      [](Real L) { return L / 0.001; }},
    {10385, "Millimeters", [](Real x) { return x * 0.03937; },    [](Real L) { return L / 0.03937; }},
    {10387, "Inches",      [](Real x) { return x; },              [](Real L) { return L; }},
    {10389, "Centimeters", [](Real x) { return x * 0.3937; },     [](Real L) { return L / 0.3937; }},
    {10391, "Feet",        [](Real x) { return x * 12; },         [](Real L) { return L / 12; }},
    {10393, "Meters",      [](Real x) { return x * 39.37; },      [](Real L) { return L / 39.37; }},
    {10394, "Yards",       [](Real x) { return x * 36; },         [](Real L) { return L / 36; }},
    {10395, "Kilometers",  [](Real x) { return x * 39370; },      [](Real L) { return L / 39370; }},
    {10396, "Miles",       [](Real x) { return x * 63360; },      [](Real L) { return L / 63360; }},
};
// clang-format on

} // namespace

const ConversionSheet length_table = {"Length", 10387, Rounding::before_writing, rows};

} // namespace zarn
