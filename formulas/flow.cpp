// The air flow dialogs: air velocity, velocity from a pressure transmitter, air density
// and air flow, each filling its result field from two inputs; and the flow coefficient
// chart the transmitter velocity dialog opens beside itself.
#include "formulas/flow_math.h"
#include "formulas/formula_dialog.h"
#include "formulas/formula_dialogs.h"

namespace zarn {
namespace {

// Both inputs of an air flow formula are needed; the first empty one is reported.
Real convert_from_dialog_real(DialogValue value)
{
    return required(value, "Required field must not be empty");
}

// clang-format off
constexpr FieldDecl air_velocity_fields[] = {editreal(10127), editreal(10130), editreal(10131)};
constexpr FormulaInput air_velocity_inputs[] = {
    {10127, "Velocity Pressure must be a numberic value"},
    {10130, "Air Density must be a numberic value"},
};

constexpr FieldDecl velocity_two_fields[] = {editreal(10096), editreal(10098), editreal(10100)};
constexpr FormulaInput velocity_two_inputs[] = {
    {10096, "Flow Coefficient must be a numeric value"},
    {10098, "Transmitter Output must be a numeric value"},
};

constexpr FieldDecl air_density_fields[] = {editreal(10122), editreal(10123), editreal(10118)};
constexpr FormulaInput air_density_inputs[] = {
    {10122, "Barometri Pressure must be a numberic value"},
    {10123, "Absolute Temperature must be a numberic value"},
};

constexpr FieldDecl air_flow_fields[] = {editreal(10106), editreal(10108), editreal(10113)};
constexpr FormulaInput air_flow_inputs[] = {
    {10106, "Duct Velocity must be a numberic value"},
    {10108, "Duct Area must be a numberic value"},
};

constexpr Calculation air_velocity = calculation(10001, air_velocity_inputs, convert_from_dialog_real, 10131, formula<air_velocity_fpm>);
constexpr Calculation velocity_two = calculation(10001, velocity_two_inputs, convert_from_dialog_real, 10100, formula<transmitter_air_velocity_fpm>);
constexpr Calculation air_density  = calculation(10001, air_density_inputs,  convert_from_dialog_real, 10118, formula<air_density_lb_ft3>);
constexpr Calculation air_flow     = calculation(10001, air_flow_inputs,     convert_from_dialog_real, 10113, formula<air_flow_cfm>);
// clang-format on

constexpr int pressure_transmitter_button_id = 10102;

Outcome dlg_flowformulas_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, air_velocity);
}

// "Pressure Transmitter" opens one more chart at each press, so the user can keep one
// open while typing Cf.
Outcome dlg_velocity_two_eh(Window dialog, const Event& event)
{
    if (is_click(event, pressure_transmitter_button_id)) {
        dlg_flowcoefficients_Create(dialog);
        return Handled;
    }
    return run_calculation(dialog, event, velocity_two);
}

Outcome dlg_airdensity_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, air_density);
}

Outcome dlg_airlfow_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, air_flow);
}

Outcome dlg_flowcoefficients_eh(Window dialog, const Event& event)
{
    return close_reference_window(dialog, event);
}

} // namespace

void dlg_flowformulas_Create(Window parent)
{
    open_formula_dialog(parent, {10125, air_velocity_fields, dlg_flowformulas_eh});
}

void dlg_velocity_two_Create(Window parent)
{
    open_formula_dialog(parent, {10094, velocity_two_fields, dlg_velocity_two_eh});
}

void dlg_airdensity_Create(Window parent)
{
    open_formula_dialog(parent, {10115, air_density_fields, dlg_airdensity_eh});
}

void dlg_airlfow_Create(Window parent)
{
    open_formula_dialog(parent, {10105, air_flow_fields, dlg_airlfow_eh});
}

void dlg_flowcoefficients_Create(Window owner)
{
    DIALOG_CREATEMODELESS(owner, 10103, "", {}, dlg_flowcoefficients_eh, 0);
}

} // namespace zarn
