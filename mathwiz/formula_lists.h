// The items of the calculator's formula lists, by index.
#pragma once

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

} // namespace zarn
