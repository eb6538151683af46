// The valve sizing dialogs: the flow coefficient of a water valve, which ends quietly on
// an empty field, and of a steam valve, which reads all three inputs before it asks for
// the missing one and takes its pressure drop from the kind of control.
#include "formulas/formula_dialog.h"
#include "formulas/formula_dialogs.h"
#include "formulas/valve_math.h"

namespace zarn {
namespace {

// ---- Water ----------------------------------------------------------------------------

// clang-format off
constexpr FieldDecl water_fields[] = {editreal(10087), editreal(10088), editreal(10085)};
constexpr FormulaInput water_inputs[] = {
    {10087, "GPM must be a numberic value"},
    {10088, "Pressure Drop must be a numberic value"},
};
constexpr Calculation water = calculation(10001, water_inputs, end_quietly_if_empty, 10085, formula<water_flow_coefficient>);
// clang-format on

Outcome dlg_water_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, water);
}

// ---- Steam ----------------------------------------------------------------------------

constexpr int steam_flow_id = 10072;
constexpr int superheat_id = 10075;
constexpr int inlet_pressure_id = 10077;
constexpr int steam_cv_id = 10079;
constexpr int two_position_id = 10080; // first of the radio pair
constexpr int modulating_id = 10081;

constexpr FieldDecl steam_fields[] = {
    editreal(steam_flow_id),
    editreal(superheat_id),
    editreal(inlet_pressure_id),
    editreal(steam_cv_id),
    radiobuttongroup(two_position_id, modulating_id),
};

Outcome dlg_steam_eh(Window dialog, const Event& event)
{
    if (!is_click(event, 10001)) return Declined;
    return calculate([&] {
        DialogValue q = read_trapped(dialog, steam_flow_id, "Pounds must be a numberic value");
        DialogValue k = read_trapped(dialog, superheat_id, "Must be a numberic value");
        DialogValue p =
            read_trapped(dialog, inlet_pressure_id, "Inlet pressure must be a numberic value");
        if (!q || !k || !p) {
            dlg_Note("Warning", "Please adjust Inlet Pressure");
            return;
        }
        ValveControl control = DIALOG_GETRADIOBUTTON(dialog, two_position_id) == two_position_id
                                   ? ValveControl::two_position
                                   : ValveControl::modulating;
        show_result(dialog, steam_cv_id,
                    steam_flow_coefficient(*q, *k, *p, steam_pressure_drop_share(control, *p)));
    });
}

} // namespace

void dlg_water_Create(Window parent)
{
    open_formula_dialog(parent, {10083, water_fields, dlg_water_eh});
}

void dlg_steam_Create(Window parent)
{
    open_formula_dialog(parent, {10070, steam_fields, dlg_steam_eh});
}

} // namespace zarn
