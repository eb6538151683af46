#include "mathwiz/humidity.h"

#include "mathwiz/psychrometrics.h"
#include "mathwiz/sheet_input.h"

namespace zarn {
namespace {

// clang-format off
// Calculator A
constexpr int a_calculate = 10001, a_dry_bulb = 10021, a_wet_bulb = 10023;
constexpr int a_enthalpy = 10026, a_humidity_ratio = 10029, a_relative_humidity = 10030;
// Calculator B
constexpr int b_calculate = 10031, b_dry_bulb = 10034, b_relative_humidity = 10036;
constexpr int b_enthalpy = 10039, b_humidity_ratio = 10042, b_dew_point = 10043;
// clang-format on

using Solver = void (*)(Window, Real, Real);

// Reads a calculator's two inputs and solves; an empty or non-numeric input does nothing.
Outcome calculate(Window dialog, int first_id, int second_id, Solver solve)
{
    const auto first = read_sheet_input(dialog, first_id);
    const auto second = read_sheet_input(dialog, second_id);
    if (!first || !second) return Declined;
    solve(dialog, *first, *second);
    return Handled;
}

} // namespace

void solve_humidity(Window dialog, Real dry_bulb_f, Real wet_bulb_f)
{
    AirFromWetBulb air;
    try {
        air = air_from_wet_bulb(dry_bulb_f, wet_bulb_f);
    } catch (const OutOfRangeInput& refused) {
        dlg_Error(refused.what());
        return;
    }
    dialog_SetReal(dialog, a_enthalpy, air.enthalpy.value());
    dialog_SetReal(dialog, a_humidity_ratio, air.humidity_ratio.value());
    dialog_SetReal(dialog, a_relative_humidity, air.relative_humidity.value());
}

void solve_humidity2(Window dialog, Real dry_bulb_f, Real relative_humidity_pct)
{
    const AirFromRelativeHumidity air =
        air_from_relative_humidity(dry_bulb_f, relative_humidity_pct);
    dialog_SetReal(dialog, b_enthalpy, air.enthalpy.value());
    dialog_SetReal(dialog, b_humidity_ratio, air.humidity_ratio.value());
    dialog_SetReal(dialog, b_dew_point, air.dew_point.value());
}

Outcome humidity_sheet_eh(Window dialog, const Event& event)
{
    if (is_click(event, a_calculate))
        return calculate(dialog, a_dry_bulb, a_wet_bulb, solve_humidity);
    if (is_click(event, b_calculate))
        return calculate(dialog, b_dry_bulb, b_relative_humidity, solve_humidity2);
    return Declined;
}

} // namespace zarn
