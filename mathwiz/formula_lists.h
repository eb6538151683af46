// The calculator's formula lists: their items, by index, and what a pick in each opens.
#pragma once

#include "platform/platform.h"

#include <string_view>

namespace zarn {

inline constexpr const char* pressure_formula_items[] = {
    "Select a formula...",
    "AirPressure",
    "Head Pressure",
};

inline constexpr const char* flow_formula_items[] = {
    "Select a formula...", "Velocity", "Velocity Two", "Air Density", "Air Flow",
};

// Power sheet, step 1: the unit to solve for (no placeholder: the first choice is real).
inline constexpr const char* power_unit_items[] = {
    "Amperes - horsepower known",
    "Amperes - kilowatts known",
    "Amperes - kVA known",
    "Kilowatts",
    "kVA",
    "Horsepower(output)",
};

// Power sheet, step 2: the kind of current.
inline constexpr const char* power_current_items[] = {
    "Select Current Type...",
    "Direct Current",
    "AC - Single-Phase",
    "AC - Three-Phase",
};

inline constexpr const char* other_power_formula_items[] = {
    "Select a formula...",  "Ohms Law",        "Motor Torque", "Motor Shaft Stress",
    "Horsepower for pumps", "Synchronous rpm", "Percent Slip", "Voltage drop",
};

inline constexpr const char* heat_formula_items[] = {
    "Select a formula...",
    "BTU/HR(Water)-GPM and degF known",
    "BTU/HR(Air-Sensible)-CFM and degF known",
    "TONS - GPM and degF known",
};

inline constexpr const char* valve_formula_items[] = {
    "Select a formula...",
    "Flow Coefficient - Water",
    "Flow Coefficient - Steam",
};

// Open the dialog of the picked item (the list's selected item text, matched exactly), or
// nothing for a text they do not know, such as "Select a formula...". Each returns when
// the dialog has closed.
void launch_the_flowmaster(Window calculator, std::string_view item);
void launch_the_power_pig(Window calculator, std::string_view item);
void launch_the_heater(Window calculator, std::string_view item);
void launch_big_valve(Window calculator, std::string_view item);

// The Power sheet's two-step choice, by the selected indices of Step 1 and Step 2: warns
// of a pair that has no direct-current formula, does nothing while no current is chosen,
// and otherwise opens the power-formula dialog for the pair.
void check_valid_choice(Window calculator, int unit_index, int current_index);

// The calculator's rule for picks in its formula lists; declines every other event.
Outcome formula_list_rule(Window calculator, const Event& event);

} // namespace zarn
