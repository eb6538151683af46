// Weight sheet: base unit pounds (W). The first five rows use units per pound both ways;
// the ton rows use pounds per ton towards the base and their own tons per pound from it
// (the metric ton is 2204 pounds one way and 0.0004536 tons per pound the other).
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// clang-format off
constexpr UnitRow rows[] = {
    // id     label            to base (x typed)                       from base (W)
    {10361, "Grains",        [](Real x) { return x / 7000; },      [](Real W) { return W * 7000; }},
    {10368, "Micrograms",    [](Real x) { return x / 453590000; }, [](Real W) { return W * 453590000; }},
    {10370, "Kilograms",     [](Real x) { return x / 0.45359; },   [](Real W) { return W * 0.45359; }},
    {10363, "Grams",         [](Real x) { return x / 453.59; },    [](Real W) { return W * 453.59; }},
    {10365, "Ounces",        [](Real x) { return x / 16; },        [](Real W) { return W * 16; }},
    {10372, "Pounds",        [](Real x) { return x; },             [](Real W) { return W; }},
    {10374, "Tons (Short)",  [](Real x) { return x * 2000; },      [](Real W) { return W * 0.0005; }},
    {10376, "Tons (Metric)", [](Real x) { return x * 2204; },      [](Real W) { return W * 0.0004536; }},
    {10378, "Tons (Long)",   [](Real x) { return x * 2240; },      [](Real W) { return W * 0.0004464; }},
};
// clang-format on

} // namespace

const ConversionSheet weight_table = {"Weight", 10372, Rounding::before_writing, rows};

} // namespace zarn
