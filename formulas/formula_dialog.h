// What every formula dialog shares: opening it over the calculator and dropping its values
// when it closes, reading its inputs field by field with the dialog's own messages, and
// writing its results with ten significant digits.
//
// A handler runs its Calculate inside `calculate`: each read either gives a value or ends
// the calculation (after its message, if it has one), so a handler reads like its formula.
// The first refused field ends the calculation; later fields are not read, and nothing is
// written. Arithmetic faults are not caught here: they end the event with the "Program
// Error" report. Every event a handler does not take, the Close button (id 1) included, is
// declined, so that the dialog validates its real fields before it closes.
//
// A dialog with one Calculate button and one result is data and two one-line functions:
//
//   constexpr FieldDecl torque_fields[] = {editreal(10210), editreal(10212), editreal(10216)};
//   constexpr FormulaInput torque_inputs[] = {
//       {10210, "Horsepower must be a numberic value"}, {10212, "RPM must be a numberic value"}};
//   constexpr Calculation torque = calculation(10218, torque_inputs, check_for_empty, 10216,
//                                              formula<motor_torque_lb_ft>);
//   Outcome dlg_torque_eh(Window d, const Event& e) { return run_calculation(d, e, torque); }
//   void dlg_torque_Create(Window parent)
//   {
//       open_formula_dialog(parent, {10209, torque_fields, dlg_torque_eh});
//   }
//
// Dialogs that solve for an empty field, link fields or read text write their handler with
// `calculate` and the readers below.
#pragma once

#include "formulas/formula.h"
#include "platform/number_text.h"
#include "platform/platform.h"

#include <span>
#include <string>
#include <string_view>

namespace zarn {

// ---- Opening and closing --------------------------------------------------------------

struct FormulaDialog {
    int template_id;
    FieldList fields; // every input and result field, all starting empty
    Handler handler;
};

// Opens the dialog modally over `parent` with its template's caption and returns when it
// has ended; then hands the answer to `formula_dialog_handle_answer`.
void open_formula_dialog(Window parent, const FormulaDialog& dialog);
// OK reads the final values and drops them (nothing of a formula dialog outlives it);
// Cancel does nothing; any other answer is an internal error.
void formula_dialog_handle_answer(int answer, const FinalValues& values, FieldList fields);

// The handler rule of a modeless reference window beside a formula dialog (a chart, a
// table): its Close button (id 1) destroys it; every other event is declined, so Escape
// and the close box close it too. It also closes with its owner.
Outcome close_reference_window(Window window, const Event& event);

// ---- Reading inputs -------------------------------------------------------------------

// Thrown by the readers to end a calculation early; `calculate` turns it into a declined
// event.
struct CalculationEnded {};

// Shows `message` in the "Error" box and ends the calculation.
[[noreturn]] void end_calculation(std::string_view message);
// Ends the calculation with no message.
[[noreturn]] void end_calculation();

// Runs the body of a Calculate: Handled when it completes, Declined when a read ended it.
template <class Body> Outcome calculate(Body&& body)
{
    try {
        body();
        return Handled;
    } catch (const CalculationEnded&) {
        return Declined;
    }
}

// Trapped read: text that is no number shows `message` and ends the calculation.
DialogValue read_trapped(Window dialog, int id, std::string_view message);
// Untrapped read: text that is no number ends the event with the "Program Error" report.
DialogValue read_untrapped(Window dialog, int id);
// Text read: the control's text as it stands, for dialogs that convert it themselves.
std::string read_text(Window dialog, int id);

// Empty-field converters: the value of a field that holds a number; for an empty field,
// `message` in the "Error" box, or nothing at all, and the end of the calculation.
Real required(DialogValue value, std::string_view message);
Real end_quietly_if_empty(DialogValue value);

// ---- Writing results ------------------------------------------------------------------

// Writes a result as a real field value (ten significant digits).
void show_result(Window dialog, int id, Real value);
// Sets the text of a result control to the value's ten-digit text, for dialogs whose
// fields are plain text.
void show_result_text(Window dialog, int id, Real value);

// ---- One-result formulas as data ----------------------------------------------------

struct FormulaInput {
    int id;
    // The message for text that is no number. nullptr reads the field untrapped: such text
    // is then a program error.
    const char* not_a_number;
};

// What an empty input field does: a converter such as `required` with the dialog's message.
using EmptyFieldRule = Real (*)(DialogValue);

// A Calculate button that reads its inputs in order, each through the empty-field rule,
// and writes one result.
struct Calculation {
    int calculate_id;
    std::span<const FormulaInput> inputs; // in reading order
    EmptyFieldRule on_empty;
    int result_id;
    Formula result;
};

// Checks at compile time that the formula takes as many values as there are inputs.
consteval Calculation calculation(int calculate_id, std::span<const FormulaInput> inputs,
                                  EmptyFieldRule on_empty, int result_id, Formula result)
{
    if (inputs.size() != result.arity) throw "the formula takes another number of inputs";
    return {calculate_id, inputs, on_empty, result_id, result};
}

// A click on the calculation's button runs it; every other event is declined.
Outcome run_calculation(Window dialog, const Event& event, const Calculation& calculation);

} // namespace zarn
