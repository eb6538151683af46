#include "formulas/formula_dialog.h"

#include <stdexcept>
#include <vector>

namespace zarn {

void open_formula_dialog(Window parent, const FormulaDialog& dialog)
{
    DialogResult result =
        DIALOG_CREATEMODAL(parent, dialog.template_id, "", dialog.fields, dialog.handler, 0);
    formula_dialog_handle_answer(result.answer, result.values, dialog.fields);
}

void formula_dialog_handle_answer(int answer, const FinalValues& values, FieldList fields)
{
    if (answer == 2) return;
    if (answer != 1) throw std::runtime_error("Internal error 1000: unexpected dialog answer");
    for (const FieldDecl& field : fields) {
        switch (field.kind) {
        case FieldKind::editreal:
            (void)DIALOG_VLGETREAL(field.id, values);
            break;
        case FieldKind::editstr:
        case FieldKind::list:
            (void)DIALOG_VLGETSTR(field.id, values);
            break;
        case FieldKind::radiobuttongroup:
            (void)DIALOG_VLGETRADIOBUTTON(field.id, values);
            break;
        }
    }
}

Outcome close_reference_window(Window window, const Event& event)
{
    if (!is_click(event, 1)) return Declined;
    win_Destroy(window);
    return Handled;
}

void end_calculation(std::string_view message)
{
    dlg_Error(message);
    throw CalculationEnded{};
}

void end_calculation()
{
    throw CalculationEnded{};
}

DialogValue read_trapped(Window dialog, int id, std::string_view message)
{
    try {
        return DIALOG_GETREAL(dialog, id);
    } catch (const NotANumberError&) {
        end_calculation(message);
    }
}

DialogValue read_untrapped(Window dialog, int id)
{
    return DIALOG_GETREAL(dialog, id);
}

std::string read_text(Window dialog, int id)
{
    Window control = win_GetCtlHandle(dialog, id);
    if (!control) throw std::logic_error("no control " + std::to_string(id));
    return win_GetText(control);
}

Real required(DialogValue value, std::string_view message)
{
    if (!value) end_calculation(message);
    return *value;
}

Real end_quietly_if_empty(DialogValue value)
{
    if (!value) end_calculation();
    return *value;
}

void show_result(Window dialog, int id, Real value)
{
    dialog_SetReal(dialog, id, value.value());
}

void show_result_text(Window dialog, int id, Real value)
{
    win_SetText(win_GetCtlHandle(dialog, id), real_to_text(checked_finite(value.value())));
}

Outcome run_calculation(Window dialog, const Event& event, const Calculation& c)
{
    if (!is_click(event, c.calculate_id)) return Declined;
    return calculate([&] {
        std::vector<Real> values;
        for (const FormulaInput& input : c.inputs) {
            DialogValue read = input.not_a_number
                                   ? read_trapped(dialog, input.id, input.not_a_number)
                                   : read_untrapped(dialog, input.id);
            values.push_back(c.on_empty(read));
        }
        show_result(dialog, c.result_id, c.result.evaluate(values));
    });
}

} // namespace zarn
