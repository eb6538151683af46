// The motor and circuit dialogs: Ohm's law, which solves for its empty field; motor
// torque, pump horsepower, synchronous speed, percent slip and voltage drop, each of which
// fills its result field; and the wire-size table beside the voltage-drop dialog.
#include "formulas/formula_dialog.h"
#include "formulas/formula_dialogs.h"
#include "formulas/otherpower_math.h"

namespace zarn {
namespace {

// The user leaves only the result field empty.
Real check_for_empty(DialogValue value)
{
    return required(value, "Only one field should be empty");
}

// ---- Ohm's law --------------------------------------------------------------------------

constexpr int amperes_id = 10221;
constexpr int volts_id = 10223;
constexpr int ohms_id = 10226;
constexpr FieldDecl ohms_fields[] = {editreal(amperes_id), editreal(volts_id), editreal(ohms_id)};

// Solves for the one empty field of the three.
void check_blanks(Window dialog, DialogValue ohms, DialogValue volts, DialogValue amperes)
{
    if ((!ohms && !amperes) || (!ohms && !volts) || (!volts && !amperes))
        end_calculation("Only one field should be empty");
    if (!ohms)
        show_result(dialog, ohms_id, resistance_ohms(*volts, *amperes));
    else if (!volts)
        show_result(dialog, volts_id, voltage_volts(*amperes, *ohms));
    else if (!amperes)
        show_result(dialog, amperes_id, current_amperes(*volts, *ohms));
    else
        end_calculation("One field must be empty");
}

Outcome dlg_ohms_eh(Window dialog, const Event& event)
{
    if (!is_click(event, 10228)) return Declined;
    return calculate([&] {
        DialogValue ohms = read_trapped(dialog, ohms_id, "Ohms must be a numberic value");
        DialogValue volts = read_trapped(dialog, volts_id, "Volts must be a numberic value");
        DialogValue amperes = read_trapped(dialog, amperes_id, "Amps must be a numberic value");
        check_blanks(dialog, ohms, volts, amperes);
    });
}

// ---- The one-result formulas ------------------------------------------------------------

// clang-format off
constexpr FieldDecl torque_fields[] = {editreal(10210), editreal(10212), editreal(10216)};
constexpr FormulaInput torque_inputs[] = {
    {10210, "Horsepower must be a numberic value"},
    {10212, "RPM must be a numberic value"},
};

constexpr FieldDecl pump_hp_fields[] = {
    editreal(10195), editreal(10197), editreal(10199), editreal(10205), editreal(10202),
};
constexpr FormulaInput pump_hp_inputs[] = {
    {10195, "GPM must be a numberic value"},
    {10197, "Feet of Head must be a numberic value"},
    {10199, "Specific Gravity must be a numberic value"},
    {10205, "Efficiency must be a numberic value"},
};

constexpr FieldDecl synchronous_fields[] = {editreal(10185), editreal(10188), editreal(10190)};
constexpr FormulaInput synchronous_inputs[] = {
    {10185, "Hertz must be a numberic value"},
    {10188, "Poles must be a numberic value"},
};

constexpr FieldDecl percent_slip_fields[] = {
    editreal(10175), editreal(10178), editreal(10180), editreal(10182),
};
constexpr FormulaInput percent_slip_inputs[] = {
    {10175, "Synchronous Rpm must be a numberic value"},
    {10178, "Full Load Rpm must be a numberic value"},
    {10180, "Synchronous Rpm must be a numberic value"},
};

constexpr FieldDecl voltage_drop_fields[] = {
    editreal(10160), editreal(10163), editreal(10165), editreal(10167), editreal(10171),
};
constexpr FormulaInput voltage_drop_inputs[] = {
    {10160, "Amps must be a numberic value"},
    {10163, "Circuit length must be a numberic value"},
    {10165, "Must be a numberic value"},
    {10167, "Ohms must be a numberic value"},
};

constexpr Calculation torque       = calculation(10218, torque_inputs,       check_for_empty, 10216, formula<motor_torque_lb_ft>);
constexpr Calculation pump_hp      = calculation(10001, pump_hp_inputs,      check_for_empty, 10202, formula<pump_horsepower>);
constexpr Calculation synchronous  = calculation(10001, synchronous_inputs,  check_for_empty, 10190, formula<synchronous_rpm>);
constexpr Calculation slip         = calculation(10001, percent_slip_inputs, check_for_empty, 10182, formula<percent_slip>);
constexpr Calculation voltage_drop = calculation(10001, voltage_drop_inputs, check_for_empty, 10171, formula<voltage_drop_volts>);
// clang-format on

Outcome dlg_torque_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, torque);
}

Outcome dlg_pump_hp_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, pump_hp);
}

Outcome dlg_synchronous_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, synchronous);
}

// The synchronous speed stands twice in the slip formula, above and below the bar; what
// the user types into either field is copied into the other.
Outcome mirror_synchronous_rpm(Window dialog, int from_id, int to_id)
{
    return calculate([&] {
        dialog_SetReal(dialog, to_id,
                       read_trapped(dialog, from_id, "Synchronous Rpm must be a numberic value"));
    });
}

Outcome dlg_percent_slip_eh(Window dialog, const Event& event)
{
    if (is_modified(event, 10175)) return mirror_synchronous_rpm(dialog, 10175, 10180);
    if (is_modified(event, 10180)) return mirror_synchronous_rpm(dialog, 10180, 10175);
    return run_calculation(dialog, event, slip);
}

constexpr int phase_factor_id = 10165;
constexpr int wire_sizes_button_id = 10173;

Outcome dlg_singlephase_voltage_drop_eh(Window dialog, const Event& event)
{
    if (event.type == e_create) {
        // Out and back on a single-phase circuit; the user types 1.73 for three-phase.
        dialog_SetReal(dialog, phase_factor_id, 2.0);
        return Handled;
    }
    if (is_click(event, wire_sizes_button_id)) {
        dlg_wire_sizes_Create(dialog);
        return Handled;
    }
    return run_calculation(dialog, event, voltage_drop);
}

// ---- The wire-size table ------------------------------------------------------------------

Outcome dlg_wire_sizes_eh(Window dialog, const Event& event)
{
    return close_reference_window(dialog, event);
}

} // namespace

void dlg_ohms_Create(Window parent)
{
    open_formula_dialog(parent, {10219, ohms_fields, dlg_ohms_eh});
}

void dlg_torque_Create(Window parent)
{
    open_formula_dialog(parent, {10209, torque_fields, dlg_torque_eh});
}

void dlg_pump_hp_Create(Window parent)
{
    open_formula_dialog(parent, {10194, pump_hp_fields, dlg_pump_hp_eh});
}

void dlg_synchronous_Create(Window parent)
{
    open_formula_dialog(parent, {10184, synchronous_fields, dlg_synchronous_eh});
}

void dlg_percent_slip_Create(Window parent)
{
    open_formula_dialog(parent, {10174, percent_slip_fields, dlg_percent_slip_eh});
}

void dlg_singlephase_voltage_drop_Create(Window parent)
{
    open_formula_dialog(parent, {10159, voltage_drop_fields, dlg_singlephase_voltage_drop_eh});
}

void dlg_wire_sizes_Create(Window owner)
{
    DIALOG_CREATEMODELESS(owner, 10143, "", {}, dlg_wire_sizes_eh, 0);
}

} // namespace zarn
