// Work/Force sheet: three pairs of fields that convert only into each other (torque,
// force, energy) and the work group, whose base unit is horsepower (H). The torque pair
// uses 1.3558179 newton-metres per foot-pound one way and 1.35582 the other.
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// clang-format off
constexpr UnitPair pairs[] = {
    // group    edited  label            partner  partner's value (x typed)
    {"Torque", 10280, "Inch-Pounds",   10282, [](Real x) { return (x / 12) * 1.3558179; }},
    {"Torque", 10282, "Newton-Meters", 10280, [](Real x) { return (x / 1.35582) * 12; }},
    {"Force",  10299, "Pounds -Force", 10301, [](Real x) { return x / 0.2248089; }},
    {"Force",  10301, "Newtons",       10299, [](Real x) { return x * 0.2248089; }},
    {"Energy", 10295, "Joules",        10284, [](Real x) { return x / 3600; }},
    {"Energy", 10284, "Watt-Hours",    10295, [](Real x) { return x * 3600; }},
};

constexpr UnitRow work_rows[] = {
    // id     label              to base (x typed)                  from base (H)
    {10288, "Horsepower",      [](Real x) { return x; },         [](Real H) { return H; }},
    {10292, "Watts",           [](Real x) { return x / 745.7; }, [](Real H) { return H * 745.7; }},
    {10290, "Joules/Sec.",     [](Real x) { return x / 745.7; }, [](Real H) { return H * 745.7; }},
    {10294, "Foot-Pounds/Sec", [](Real x) { return x / 550; },   [](Real H) { return H * 550; }},
};
// clang-format on

} // namespace

// The "Work Conversions" group of the sheet.
const ConversionSheet work_table = {"Work/Force", 10288, Rounding::before_writing, work_rows};

std::span<const UnitPair> work_force_pairs()
{
    return pairs;
}

} // namespace zarn
