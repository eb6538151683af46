// Light sheet: base unit footcandles (E). "Lumens/ft²" equals the base both ways, and
// "Lumens/m²" and "Lux" are the same unit.
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// clang-format off
constexpr UnitRow rows[] = {
    // id     label          to base (x typed)                        from base (E)
    {10473, "Footcandels", [](Real x) { return x; },              [](Real E) { return E; }},
    {10475, "Lumens/cm²",  [](Real x) { return x / 0.001076; },   [](Real E) { return E * 0.001076; }},
    {10477, "Lumens/ft²",  [](Real x) { return x; },              [](Real E) { return E; }},
    {10479, "Lumens/m²",   [](Real x) { return x / 10.76391; },   [](Real E) { return E * 10.76391; }},
    {10481, "Lux",         [](Real x) { return x / 10.76391; },   [](Real E) { return E * 10.76391; }},
};
// clang-format on

} // namespace

const ConversionSheet light_table = {"Light", 10473, Rounding::while_writing, rows};

} // namespace zarn
