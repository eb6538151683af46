// The pressure formula dialogs. The air pressure dialog links air velocity and velocity
// pressure as they are typed, like a conversion sheet, and solves total, static or
// velocity pressure for the one field left empty; the head pressure dialog solves
// pressure, specific gravity or head for the one field left empty.
#include "formulas/formula_dialog.h"
#include "formulas/formula_dialogs.h"
#include "formulas/pressure_math.h"
#include "mathwiz/conversion_fields.h"

#include <optional>

namespace zarn {
namespace {

// ---- Air pressure -----------------------------------------------------------------------

constexpr int velocity_id = 10412;          // V, feet per minute
constexpr int velocity_pressure_id = 10415; // Pv, inches of water
constexpr int pair_ids[] = {velocity_id, velocity_pressure_id};

constexpr int lower_velocity_id = 10422;
constexpr int lower_total_id = 10423;
constexpr int lower_static_id = 10424;

constexpr FieldDecl air_pressure_fields[] = {
    editreal(velocity_id),    editreal(velocity_pressure_id), editreal(lower_velocity_id),
    editreal(lower_total_id), editreal(lower_static_id),
};

// The number in a linked field; nothing while its text is empty or not yet a number.
std::optional<Real> linked_value(Window dialog, int id)
{
    try {
        DialogValue value = DIALOG_GETREAL(dialog, id);
        if (value) return Real(*value);
    } catch (const NotANumberError&) {
    }
    return std::nullopt;
}

// The user changed V or Pv: the other one follows, rounded to three decimals.
Outcome follow_velocity_pair(Window dialog, int edited_id)
{
    std::optional<Real> typed = linked_value(dialog, edited_id);
    if (!typed) return Declined;
    const Real values[] = {
        edited_id == velocity_id ? *typed : air_velocity_from_velocity_pressure_fpm(*typed),
        edited_id == velocity_pressure_id ? *typed : velocity_pressure_in_wc(*typed),
    };
    update_conversion_fields(dialog, edited_id, values, pair_ids);
    return Handled;
}

// Total minus static equals velocity pressure: solves for the one empty field.
void check_empty_fields(Window dialog, DialogValue velocity, DialogValue total,
                        DialogValue static_pressure)
{
    int empty = !velocity + !total + !static_pressure;
    if (empty >= 2) end_calculation("Only one field must be empty");
    if (!velocity)
        show_result(dialog, lower_velocity_id,
                    velocity_pressure_from_total_and_static(*total, *static_pressure));
    else if (!total)
        show_result(dialog, lower_total_id,
                    total_pressure_from_velocity_and_static(*velocity, *static_pressure));
    else if (!static_pressure)
        show_result(dialog, lower_static_id,
                    static_pressure_from_total_and_velocity(*total, *velocity));
    else
        end_calculation("One field must be empty");
}

Outcome dlg_airpressure_eh(Window dialog, const Event& event)
{
    if (is_modified(event, velocity_pressure_id) || is_modified(event, velocity_id))
        return follow_velocity_pair(dialog, event.id);
    if (!is_click(event, 10001)) return Declined;
    return calculate([&] {
        DialogValue velocity =
            read_trapped(dialog, lower_velocity_id, "Velocity must be a numeric value");
        DialogValue total =
            read_trapped(dialog, lower_total_id, "Total Pressure must be a numeric value");
        DialogValue static_pressure =
            read_trapped(dialog, lower_static_id, "Static Pressure must be a numeric value");
        check_empty_fields(dialog, velocity, total, static_pressure);
    });
}

// ---- Head pressure ----------------------------------------------------------------------

constexpr int psi_id = 10405;
constexpr int specific_gravity_id = 10408;
constexpr int head_id = 10403;
constexpr int clear_id = 10410;

constexpr FieldDecl head_pressure_fields[] = {editreal(psi_id), editreal(specific_gravity_id),
                                              editreal(head_id)};

// Writes a solved value to three decimals.
void show_rounded(Window dialog, int id, Real value)
{
    show_result(dialog, id, round_value(value));
}

// psi x 2.31 / SG = head: solves for the one empty field.
void calculate_head(Window dialog, DialogValue psi, DialogValue sg, DialogValue head)
{
    if (!psi && !sg && !head) end_calculation("Enter at least two values!");
    if (!sg && !head) end_calculation("Enter either Specific gravity\n or Feet of Head!");
    if (!psi && !sg) end_calculation("Enter either PSI or Specific gravity!");
    if (!psi && !head) end_calculation("Enter either PSI or Feet of Head!");
    if (!head)
        show_rounded(dialog, head_id, head_ft(*psi, *sg));
    else if (!sg)
        show_rounded(dialog, specific_gravity_id, specific_gravity_from_head(*psi, *head));
    else if (!psi)
        show_rounded(dialog, psi_id, pressure_psi_from_head(*head, *sg));
    else
        end_calculation("One field must be empty to solve!");
}

Outcome dlg_headpressure_eh(Window dialog, const Event& event)
{
    if (is_click(event, clear_id)) {
        for (int id : {psi_id, specific_gravity_id, head_id})
            dialog_SetReal(dialog, id, std::nullopt);
        return Handled;
    }
    if (!is_click(event, 10001)) return Declined;
    return calculate([&] {
        DialogValue psi = read_trapped(dialog, psi_id, "PSI must be a numeric value");
        DialogValue sg =
            read_trapped(dialog, specific_gravity_id, "Specific gravity must be a numeric value");
        DialogValue head = read_trapped(dialog, head_id, "Head must be a numeric value");
        calculate_head(dialog, psi, sg, head);
    });
}

} // namespace

void dlg_airpressure_Create(Window parent)
{
    open_formula_dialog(parent, {10411, air_pressure_fields, dlg_airpressure_eh});
}

void dlg_headpressure_Create(Window parent)
{
    open_formula_dialog(parent, {10401, head_pressure_fields, dlg_headpressure_eh});
}

} // namespace zarn
