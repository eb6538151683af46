// Pressure sheet: base unit pounds per square inch (P). The metric rows rest on 14.5 psi
// per bar, so one bar shows 99999.975 pascals; the water and mercury rows use rounded
// constants whose two directions are not reciprocal.
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// "mm of H2O" goes to psi by 0.001422, about the reciprocal of its 703.1; the sheet once
// used 0.0014, which made 703.1 mm of water about 0.98 psi.
// clang-format off
constexpr UnitRow rows[] = {
    // id     label          to base (x typed)                      from base (P)
    {10431, "psi",         [](Real x) { return x; },            [](Real P) { return P; }},
    {10433, "in of H2O",   [](Real x) { return x * 0.0361; },   [](Real P) { return P * 27.6778; }},
    {10435, "ft of H2O",   [](Real x) { return x * 0.4335; },   [](Real P) { return P * 2.3067; }},
    {10437, "mm of H2O",   [](Real x) { return x * 0.001422; }, [](Real P) { return P * 703.1; }},
    {10439, "cm of H2O",   [](Real x) { return x * 0.0142; },   [](Real P) { return P * 70.31; }},
    {10440, "in of Hg",    [](Real x) { return x * 0.4912; },   [](Real P) { return P * 2.036; }},
    {10443, "mm of Hg",    [](Real x) { return x * 0.0193; },   [](Real P) { return P * 51.715; }},
    {10445, "cm of Hg",    [](Real x) { return x * 0.193; },    [](Real P) { return P * 5.1715; }},
    {10447, "kg/cm²",      [](Real x) { return x * 14.22; },    [](Real P) { return P * 0.0703; }},
    {10448, "bar",         [](Real x) { return x * 14.5; },     [](Real P) { return P * 0.0689655; }},
    {10449, "mbar",        [](Real x) { return x * 0.0145; },   [](Real P) { return P * 68.9655; }},
    {10450, "Pascals",     [](Real x) { return x * 0.000145; }, [](Real P) { return P * 6896.55; }},
    {10451, "Kilopascals", [](Real x) { return x * 0.145; },    [](Real P) { return P * 6.89655; }},
    {10452, "atm",         [](Real x) { return x * 14.696; },   [](Real P) { return P / 14.696; }},
};
// clang-format on

} // namespace

const ConversionSheet pressure_table = {"Pressure", 10431, Rounding::before_writing, rows};

} // namespace zarn
