// Speed sheet: base unit feet per second (S). "Feet/minute" uses 0.0166667 towards the
// base and 60 from it; every other row uses one constant both ways.
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// A knot is 1.688 feet per second both ways; the from-base direction once divided by
// 1.668, which showed one foot per second as 0.6 knots instead of 0.592.
// clang-format off
constexpr UnitRow rows[] = {
    // id     label              to base (x typed)                         from base (S)
    {10231, "Feet/sec.",       [](Real x) { return x; },               [](Real S) { return S; }},
    {10236, "Feet/minute",     [](Real x) { return x * 0.0166667; },   [](Real S) { return S * 60; }},
    {10234, "Meters/sec.",     [](Real x) { return x * 3.2808; },      [](Real S) { return S / 3.2808; }},
    {10238, "Meters/minute",   [](Real x) { return x * 0.05468; },     [](Real S) { return S / 0.05468; }},
    {10240, "Knots",           [](Real x) { return x * 1.688; },       [](Real S) { return S / 1.688; }},
    {10242, "Kilometers/hour", [](Real x) { return x * 0.911345; },    [](Real S) { return S / 0.911345; }},
    {10244, "Miles/hour",      [](Real x) { return x * 1.4667; },      [](Real S) { return S / 1.4667; }},
};
// clang-format on

} // namespace

const ConversionSheet speed_table = {"Speed", 10231, Rounding::while_writing, rows};

} // namespace zarn
