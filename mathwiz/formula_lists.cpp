#include "mathwiz/formula_lists.h"

#include "formulas/formula_dialogs.h"

#include <span>

namespace zarn {
namespace {

using Opener = void (*)(Window calculator);

struct FormulaEntry {
    const char* item; // the list item, as shown
    Opener open;
};

// clang-format off
constexpr FormulaEntry flow_formulas[] = {
    {"Velocity",     dlg_flowformulas_Create},
    {"Velocity Two", dlg_velocity_two_Create},
    {"Air Density",  dlg_airdensity_Create},
    {"Air Flow",     dlg_airlfow_Create},
};
constexpr FormulaEntry other_power_formulas[] = {
    {"Ohms Law",             dlg_ohms_Create},
    {"Motor Torque",         dlg_torque_Create},
    {"Motor Shaft Stress",   dlg_powerformulas_Create},
    {"Horsepower for pumps", dlg_pump_hp_Create},
    {"Synchronous rpm",      dlg_synchronous_Create},
    {"Percent Slip",         dlg_percent_slip_Create},
    {"Voltage drop",         dlg_singlephase_voltage_drop_Create},
};
constexpr FormulaEntry heat_formulas[] = {
    {"BTU/HR(Water)-GPM and degF known",        dlg_btu_Create},
    {"BTU/HR(Air-Sensible)-CFM and degF known", dlg_btu_hr_Create},
    {"TONS - GPM and degF known",               dlg_tons_Create},
};
constexpr FormulaEntry valve_formulas[] = {
    {"Flow Coefficient - Water", dlg_water_Create},
    {"Flow Coefficient - Steam", dlg_steam_Create},
};

// The pressure list goes by index: 0 opens nothing, 1 the air pressure dialog, any other
// the head pressure dialog.
constexpr Opener open_airpressure = dlg_airpressure_Create;
constexpr Opener open_headpressure = dlg_headpressure_Create;
// clang-format on

void launch(Window calculator, std::span<const FormulaEntry> formulas, std::string_view item)
{
    for (const FormulaEntry& formula : formulas) {
        if (item != formula.item) continue;
        formula.open(calculator);
        return;
    }
}

void launch_pressure_formula(Window calculator, int index)
{
    if (index == 0) return;
    Opener open = index == 1 ? open_airpressure : open_headpressure;
    open(calculator);
}

// Power sheet lists.
constexpr int unit_list = 10273;    // Step 1: the unit to solve for
constexpr int current_list = 10275; // Step 2: the kind of current
constexpr int kva_amperes_unit = 2; // "Amperes - kVA known"
constexpr int kva_unit = 4;         // "kVA"
constexpr int no_current = 0;       // "Select Current Type..."
constexpr int direct_current = 1;   // "Direct Current"

// The lists dispatched by their item text, with their launchers.
struct TextList {
    int id;
    void (*launch)(Window calculator, std::string_view item);
};
constexpr TextList text_lists[] = {
    {10135, launch_the_flowmaster},
    {10277, launch_the_power_pig},
    {10256, launch_the_heater},
    {10093, launch_big_valve},
};
constexpr int pressure_list = 10430;

} // namespace

void launch_the_flowmaster(Window calculator, std::string_view item)
{
    launch(calculator, flow_formulas, item);
}

void launch_the_power_pig(Window calculator, std::string_view item)
{
    launch(calculator, other_power_formulas, item);
}

void launch_the_heater(Window calculator, std::string_view item)
{
    launch(calculator, heat_formulas, item);
}

void launch_big_valve(Window calculator, std::string_view item)
{
    launch(calculator, valve_formulas, item);
}

void check_valid_choice(Window calculator, int unit_index, int current_index)
{
    if ((unit_index == kva_amperes_unit || unit_index == kva_unit) &&
        current_index == direct_current) {
        dlg_Note("Warning", "Not valid for direct current\n try a different selection!");
        return;
    }
    if (current_index == no_current) return;
    dlg_amperes_Create(calculator);
}

Outcome formula_list_rule(Window calculator, const Event& event)
{
    if (is_pick(event, pressure_list)) {
        launch_pressure_formula(calculator, dialog_GetListButton(calculator, pressure_list).index);
        return Handled;
    }
    for (const TextList& list : text_lists) {
        if (!is_pick(event, list.id)) continue;
        list.launch(calculator, dialog_GetListButton(calculator, list.id).text);
        return Handled;
    }
    if (is_pick(event, unit_list)) {
        // A new unit asks for the current again.
        dialog_SetListButton(calculator, current_list, no_current);
        return Handled;
    }
    if (is_pick(event, current_list)) {
        check_valid_choice(calculator, dialog_GetListButton(calculator, unit_list).index,
                           dialog_GetListButton(calculator, current_list).index);
        return Handled;
    }
    return Declined;
}

} // namespace zarn
