// The heat formula dialogs. BTU per hour of water and refrigeration tons read their fields
// untrapped: text that is no number is a program error; an empty field ends quietly. The
// tons dialog has two formulas with a Calculate button each, independent of one another.
// BTU per hour of air works on the texts of its fields: bad or empty text does nothing,
// and Close always closes.
#include "formulas/formula_dialog.h"
#include "formulas/formula_dialogs.h"
#include "formulas/temperature_math.h"

namespace zarn {
namespace {

// clang-format off
constexpr FieldDecl btu_fields[] = {editreal(10067), editreal(10068), editreal(10063)};
constexpr FormulaInput btu_inputs[] = {{10067, nullptr}, {10068, nullptr}};

constexpr FieldDecl tons_fields[] = {
    editreal(10050), editreal(10052), editreal(10057), editreal(10054), editreal(10059),
};
constexpr FormulaInput tons_from_water_inputs[] = {{10050, nullptr}, {10052, nullptr}};
constexpr FormulaInput tons_from_heat_flow_inputs[] = {{10057, nullptr}};

constexpr Calculation btu                 = calculation(10001, btu_inputs,                 end_quietly_if_empty, 10063, formula<water_heat_flow_btu_hr>);
constexpr Calculation tons_from_water     = calculation(10001, tons_from_water_inputs,     end_quietly_if_empty, 10054, formula<refrigeration_tons_from_water>);
constexpr Calculation tons_from_heat_flow = calculation(10061, tons_from_heat_flow_inputs, end_quietly_if_empty, 10059, formula<refrigeration_tons_from_heat_flow>);
// clang-format on

Outcome dlg_btu_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, btu);
}

Outcome dlg_tons_eh(Window dialog, const Event& event)
{
    if (is_click(event, tons_from_heat_flow.calculate_id))
        return run_calculation(dialog, event, tons_from_heat_flow);
    return run_calculation(dialog, event, tons_from_water);
}

// ---- BTU per hour of air --------------------------------------------------------------

constexpr int cfm_id = 10002;
constexpr int delta_t_id = 10004;
constexpr int btu_hr_id = 10006;
constexpr FieldDecl btu_hr_fields[] = {editstr(cfm_id), editstr(delta_t_id), editstr(btu_hr_id)};

// The number a field's text holds; anything else, the empty text included, ends the
// calculation quietly.
Real number_in_text(Window dialog, int id)
{
    FieldText read = read_field_text(read_text(dialog, id));
    if (read.kind != FieldText::Number) end_calculation();
    return read.value;
}

Outcome dlg_btu_hr_eh(Window dialog, const Event& event)
{
    if (!is_click(event, 10001)) return Declined;
    return calculate([&] {
        Real cfm = number_in_text(dialog, cfm_id);
        Real delta_t = number_in_text(dialog, delta_t_id);
        show_result_text(dialog, btu_hr_id, sensible_air_heat_flow_btu_hr(cfm, delta_t));
    });
}

} // namespace

void dlg_btu_Create(Window parent)
{
    open_formula_dialog(parent, {10062, btu_fields, dlg_btu_eh});
}

void dlg_tons_Create(Window parent)
{
    open_formula_dialog(parent, {10048, tons_fields, dlg_tons_eh});
}

void dlg_btu_hr_Create(Window parent)
{
    open_formula_dialog(parent, {10000, btu_hr_fields, dlg_btu_hr_eh});
}

} // namespace zarn
