// Volume sheet: base unit cubic inches (V). Sixteen units in three columns, all converted
// together. Each row but "Hectoliters" uses one constant, units per cubic inch, divided
// towards the base and multiplied from it. "Hectoliters" goes to the base by 6102.31
// cubic inches and comes from it through bushels, (V × 0.000465) ÷ 2.8378, so the two
// directions differ by about one per cent.
#include "conversions/conversion_sheet.h"

namespace zarn {
namespace {

// Mended constants, each once plainly wrong:
// - "Barrels (pet.)": 0.0001031 barrels per cubic inch (42 US gallons); was 0.0001374.
// - "cm³": a cubic centimetre is 0.061023 cubic inches, so the base is x × 0.061023 and
//   the unit V ÷ 0.061023 (1 in³ is 16.387 cm³); the directions were the other way round.
// - "Bushel": 0.000465 bushels per cubic inch, also inside the hectolitre row; was 0.00047.
// clang-format off
constexpr UnitRow rows[] = {
    // id     label             to base (x typed)                          from base (V)                                  column
    {10325, "Ounces",         [](Real x) { return x / 0.55411; },     [](Real V) { return V * 0.55411; },                 "Wet"},
    {10330, "Pints",          [](Real x) { return x / 0.03463; },     [](Real V) { return V * 0.03463; },                 "Wet"},
    {10334, "Quarts",         [](Real x) { return x / 0.01732; },     [](Real V) { return V * 0.01732; },                 "Wet"},
    {10336, "Liters",         [](Real x) { return x / 0.01639; },     [](Real V) { return V * 0.01639; },                 "Wet"},
    {10342, "Gallons",        [](Real x) { return x / 0.00433; },     [](Real V) { return V * 0.00433; },                 "Wet"},
    {10348, "Barrels (U.S)",  [](Real x) { return x / 0.0001417; },   [](Real V) { return V * 0.0001417; },               "Wet"},
    {10350, "Barrels (pet.)", [](Real x) { return x / 0.0001031; },   [](Real V) { return V * 0.0001031; },               "Wet"},
    {10328, "In³",            [](Real x) { return x; },               [](Real V) { return V; },                           "Cubic"},
    {10332, "cm³",            [](Real x) { return x * 0.061023; },    [](Real V) { return V / 0.061023; },                "Cubic"},
    {10338, "ft³",            [](Real x) { return x / 0.000579; },    [](Real V) { return V * 0.000579; },                "Cubic"},
    {10340, "m³",             [](Real x) { return x / 0.00001639; },  [](Real V) { return V * 0.00001639; },              "Cubic"},
    {10356, "Pints",          [](Real x) { return x / 0.02976; },     [](Real V) { return V * 0.02976; },                 "Dry"},
    {10355, "Quarts",         [](Real x) { return x / 0.01488; },     [](Real V) { return V * 0.01488; },                 "Dry"},
    {10352, "Pecks",          [](Real x) { return x / 0.00186; },     [](Real V) { return V * 0.00186; },                 "Dry"},
    {10344, "Bushel",         [](Real x) { return x / 0.000465; },    [](Real V) { return V * 0.000465; },                "Dry"},
    {10346, "Hectoliters",    [](Real x) { return x * 6102.31; },     [](Real V) { return (V * 0.000465) / 2.8378; },     "Dry"},
};
// clang-format on

} // namespace

const ConversionSheet volume_table = {"Volume", 10328, Rounding::before_writing, rows};

} // namespace zarn
