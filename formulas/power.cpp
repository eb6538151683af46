// The electrical power dialogs: the power-formula dialog, whose controls are built at run
// time for the pair of choices on the Power sheet, and the motor shaft stress dialog.
#include "formulas/formula_dialog.h"
#include "formulas/formula_dialogs.h"
#include "formulas/power_math.h"
#include "resources/resources.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {
namespace {

// ---- The power-formula dialog -----------------------------------------------------------

constexpr int amperes_template_id = 10257;
constexpr int amperes_close_id = 10258;
constexpr int unit_list_id = 10273;    // the Power sheet's Step 1
constexpr int current_list_id = 10275; // and Step 2

// One formula of the power-formula dialog, found by the id of its Calculate button.
struct AmperesFormula {
    int calculate_id;
    std::array<int, 4> inputs; // in reading order; as many as the formula takes, then 0
    int result_id;
    Formula result;

    constexpr std::span<const int> input_ids() const
    {
        return std::span(inputs).first(result.arity);
    }
};

// clang-format off
constexpr AmperesFormula amperes_formulas[] = {
    // Calculate  inputs, in reading order    result  formula
    {9990,       {9999, 9996, 9994},          9991,   formula<dc_amperes_from_horsepower>},
    {9981,       {9999, 9996, 9994, 9991},    9983,   formula<single_phase_amperes_from_horsepower>},
    {9980,       {9999, 9996, 9994, 9991},    9983,   formula<three_phase_amperes_from_horsepower>},
    {9979,       {9999, 9996},                9994,   formula<dc_amperes_from_kilowatts>},
    {9977,       {9999, 9996, 9994},          9991,   formula<single_phase_amperes_from_kilowatts>},
    {9976,       {9999, 9996, 9994},          9991,   formula<three_phase_amperes_from_kilowatts>},
    {9975,       {9999, 9996},                9994,   formula<single_phase_amperes_from_kva>},
    {9974,       {9999, 9996},                9994,   formula<three_phase_amperes_from_kva>},
    {9973,       {9999, 9996},                9994,   formula<dc_kilowatts>},
    {9972,       {9999, 9996, 9994},          9991,   formula<single_phase_kilowatts>},
    {9971,       {9999, 9996, 9994},          9991,   formula<three_phase_kilowatts>},
    {9970,       {9999, 9996},                9991,   formula<single_phase_kva>},
    {9969,       {9999, 9996},                9991,   formula<three_phase_kva>},
    {9968,       {9999, 9996, 9994},          9991,   formula<dc_horsepower_output>},
    {9967,       {9999, 9996, 9994, 9991},    9983,   formula<single_phase_horsepower_output>},
    {9966,       {9999, 9996, 9994, 9991},    9983,   formula<three_phase_horsepower_output>},
};
// clang-format on

// Every formula lists exactly as many inputs as it takes.
static_assert(std::ranges::all_of(amperes_formulas, [](const AmperesFormula& f) {
    for (std::size_t i = 0; i < f.inputs.size(); ++i)
        if ((i < f.result.arity) != (f.inputs[i] != 0)) return false;
    return true;
}));

// A field's text as the power formulas take it: the text "0" alone is refused as a zero;
// any other text must be a number (blanks around it allowed).
Real convert_to_real(const std::string& text)
{
    if (text == "0") end_calculation("Field cannot have a zero value!");
    FieldText read = read_field_text(text);
    if (read.kind != FieldText::Number) end_calculation("Enter a numeric value only!");
    return read.value;
}

// Creates the controls of the layout for the pair of choices, all in one call; false when
// no layout belongs to the pair.
bool build_dynamic_dialog(Window dialog, std::string_view unit, std::string_view current)
{
    for (const AmperesLayout& layout : amperes_layouts) {
        if (layout.unit != unit || layout.current != current) continue;
        std::vector<ControlTemplate> controls(layout.formula.begin(), layout.formula.end());
        controls.insert(controls.end(), layout.notes.begin(), layout.notes.end());
        win_CreateDynControl(dialog, controls);
        return true;
    }
    return false;
}

Outcome calculate_amperes(Window dialog, const AmperesFormula& f)
{
    return calculate([&] {
        std::vector<Real> values;
        for (int id : f.input_ids())
            values.push_back(convert_to_real(read_text(dialog, id)));
        show_result_text(dialog, f.result_id, f.result.evaluate(values));
    });
}

Outcome dlg_amperes_eh(Window dialog, const Event& event)
{
    if (event.type == e_create) {
        // The calculator, which opened this dialog, holds the Power sheet's two choices.
        Window calculator = win_GetParent(dialog);
        std::string unit = dialog_GetListButton(calculator, unit_list_id).text;
        std::string current = dialog_GetListButton(calculator, current_list_id).text;
        return build_dynamic_dialog(dialog, unit, current) ? Handled : Declined;
    }
    if (is_click(event, amperes_close_id)) {
        win_Destroy(dialog);
        return Handled;
    }
    for (const AmperesFormula& f : amperes_formulas)
        if (is_click(event, f.calculate_id)) return calculate_amperes(dialog, f);
    return Declined;
}

// ---- Motor shaft stress -------------------------------------------------------------------

Real convert_from_dialog_real(DialogValue value)
{
    return required(value, "Field cannot have a zero value!");
}

// clang-format off
constexpr FieldDecl shaft_stress_fields[] = {
    editreal(10260), editreal(10263), editreal(10264), editreal(10266),
};
constexpr FormulaInput shaft_stress_inputs[] = {
    {10260, "Horsepower must be a numberic value"},
    {10263, "RPM must be a numberic value"},
    {10264, "Diameter must be a numberic value"},
};
// clang-format on
constexpr Calculation shaft_stress = calculation(
    10001, shaft_stress_inputs, convert_from_dialog_real, 10266, formula<motor_shaft_stress_psi>);

Outcome dlg_powerformulas_eh(Window dialog, const Event& event)
{
    return run_calculation(dialog, event, shaft_stress);
}

} // namespace

void dlg_amperes_Create(Window parent)
{
    open_formula_dialog(parent, {amperes_template_id, {}, dlg_amperes_eh});
}

void dlg_powerformulas_Create(Window parent)
{
    open_formula_dialog(parent, {10259, shaft_stress_fields, dlg_powerformulas_eh});
}

} // namespace zarn
