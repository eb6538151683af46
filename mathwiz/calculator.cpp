#include "mathwiz/calculator.h"

#include "mathwiz/conversions.h"
#include "mathwiz/formula_lists.h"
#include "mathwiz/humidity.h"
#include "mathwiz/wind_chill.h"
#include "platform/services.h"

#include <stdexcept>
#include <vector>

namespace zarn {
namespace {

constexpr int calculator_template_id = 10483;
constexpr int tab_control_id = 10484;

// clang-format off
constexpr FieldDecl temperature_fields[] = {
    editreal(10462), editreal(10464), editreal(10466), editreal(10468),
};
constexpr FieldDecl pressure_fields[] = {
    listfield(10430, pressure_formula_items),
    editreal(10431), editreal(10433), editreal(10435), editreal(10437), editreal(10439),
    editreal(10440), editreal(10443), editreal(10445), editreal(10447), editreal(10448),
    editreal(10449), editreal(10450), editreal(10451), editreal(10452),
};
constexpr FieldDecl flow_fields[] = {
    listfield(10135, flow_formula_items),
    editreal(10002), editreal(10139), editreal(10137), editreal(10138),
};
constexpr FieldDecl length_fields[] = {
    editreal(10381), editreal(10383), editreal(10385), editreal(10387), editreal(10389),
    editreal(10391), editreal(10393), editreal(10394), editreal(10395), editreal(10396),
};
constexpr FieldDecl weight_fields[] = {
    editreal(10361), editreal(10368), editreal(10370), editreal(10363), editreal(10365),
    editreal(10372), editreal(10374), editreal(10376), editreal(10378),
};
constexpr FieldDecl volume_fields[] = {
    editreal(10325), editreal(10330), editreal(10334), editreal(10336), editreal(10342),
    editreal(10348), editreal(10350), editreal(10328), editreal(10332), editreal(10338),
    editreal(10340), editreal(10356), editreal(10355), editreal(10352), editreal(10344),
    editreal(10346),
};
constexpr FieldDecl area_fields[] = {
    editreal(10305), editreal(10307), editreal(10309), editreal(10311), editreal(10313),
    editreal(10315), editreal(10317), editreal(10319), editreal(10321),
};
constexpr FieldDecl work_force_fields[] = {
    editreal(10280), editreal(10282), editreal(10299), editreal(10301), editreal(10284),
    editreal(10288), editreal(10290), editreal(10292), editreal(10294), editreal(10295),
};
constexpr FieldDecl power_fields[] = {
    listfield(10273, power_unit_items),
    listfield(10275, power_current_items),
    listfield(10277, other_power_formula_items),
};
constexpr FieldDecl heat_fields[] = {
    listfield(10256, heat_formula_items),
    editreal(10247), editreal(10249), editreal(10251), editreal(10253),
};
constexpr FieldDecl speed_fields[] = {
    editreal(10231), editreal(10234), editreal(10236), editreal(10238), editreal(10240),
    editreal(10242), editreal(10244),
};
constexpr FieldDecl light_fields[] = {
    editreal(10473), editreal(10475), editreal(10477), editreal(10479), editreal(10481),
};
constexpr FieldDecl valves_fields[] = {
    listfield(10093, valve_formula_items),
};
constexpr FieldDecl humidity_fields[] = {
    editreal(10021), editreal(10023), editreal(10026), editreal(10029), editreal(10030),
    editreal(10034), editreal(10036), editreal(10039), editreal(10042), editreal(10043),
};
constexpr FieldDecl wind_chill_fields[] = {
    editreal(10010), editreal(10011), editreal(10012),
};

// The fifteen sheets, in tab order.
constexpr SheetDef sheets[] = {
    {1,  "Temperature", 10461, temperature_fields},
    {2,  "Pressure",    10429, pressure_fields},
    {3,  "Flow",        10133, flow_fields},
    {4,  "Length",      10379, length_fields},
    {5,  "Weight",      10359, weight_fields},
    {6,  "Volume",      10323, volume_fields},
    {7,  "Area",        10303, area_fields},
    {8,  "Work/Force",  10278, work_force_fields},
    {9,  "Power",       10270, power_fields},
    {10, "Heat",        10245, heat_fields},
    {11, "Speed",       10229, speed_fields},
    {12, "Light",       10471, light_fields},
    {13, "Valves",      10091, valves_fields},
    {14, "Humidity",    10018, humidity_fields},
    {15, "Wind Chill",  10008, wind_chill_fields},
};
// clang-format on

void dlg_zarn_math_wizard_update(const FinalValues&) {}

void dlg_zarn_math_wizard_handle_answer(int answer, const FinalValues& values)
{
    if (answer == 1)
        dlg_zarn_math_wizard_update(values);
    else if (answer != 2)
        throw std::runtime_error("Internal error 1000: unexpected dialog answer");
}

// The sheets' own rules, tried in turn after the dialog's own: each handles the events of
// its sheet's controls (keystrokes in unit fields, list picks, Calculate buttons) and
// declines every other event.
using SheetRule = Outcome (*)(Window, const Event&);
const std::vector<SheetRule>& sheet_rules()
{
    // clang-format off
    static const std::vector<SheetRule> rules = {
        humidity_sheet_eh,
        wind_chill_sheet_eh,
        conversion_field_rule,
        work_force_pair_rule,
        formula_list_rule,
    };
    // clang-format on
    return rules;
}

// Closing the calculator ends the application: its owner is the task window.
Outcome end_application(Window dialog)
{
    win_Destroy(win_GetParent(dialog));
    return Handled;
}

} // namespace

void dlg_zarn_math_wizard_Create(Window parent)
{
    DialogResult result =
        DIALOG_CREATEMODAL(parent, calculator_template_id, "", {}, dlg_zarn_math_wizard_eh, 0);
    dlg_zarn_math_wizard_handle_answer(result.answer, result.values);
}

Outcome dlg_zarn_math_wizard_eh(Window dialog, const Event& event)
{
    if (event.type == e_closerequest) return end_application(dialog);
    if (is_click(event, 1)) return end_application(dialog);
    if (event.type == e_create) {
        tabdlg_Create(dialog, tab_control_id, win_GetFont(dialog), TabPlacement::Left, sheets, 1);
        return Handled;
    }
    for (SheetRule rule : sheet_rules())
        if (rule(dialog, event) == Handled) return Handled;
    return Declined;
}

} // namespace zarn
