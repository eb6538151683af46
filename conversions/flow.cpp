// Flow sheet: base unit litres per second (Q).
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// clang-format off
constexpr UnitRow rows[] = {
    // id     label                to base (x typed)                    from base (Q)
    {10002, "cubic feet/minute", [](Real x) { return x * 0.472; },  [](Real Q) { return Q / 0.472; }},
    {10139, "liters/sec",        [](Real x) { return x; },          [](Real Q) { return Q; }},
    {10137, "cubic meters/sec",  [](Real x) { return x * 1000; },   [](Real Q) { return Q / 1000; }},
    {10138, "gallons/minute",    [](Real x) { return x * 0.0631; }, [](Real Q) { return Q / 0.0631; }},
};
// clang-format on

} // namespace

const ConversionSheet flow_table = {"Flow", 10139, Rounding::while_writing, rows};

} // namespace zarn
