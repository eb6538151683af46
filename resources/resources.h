// The dialog templates of the program, one object per template.
#pragma once

#include "platform/templates.h"

#include <span>

namespace zarn {

extern const DialogTemplate about_template;      // 10485
extern const DialogTemplate calculator_template; // 10483

// The calculator's fifteen sheets.
extern const DialogTemplate temperature_sheet; // 10461
extern const DialogTemplate pressure_sheet;    // 10429
extern const DialogTemplate flow_sheet;        // 10133
extern const DialogTemplate length_sheet;      // 10379
extern const DialogTemplate weight_sheet;      // 10359
extern const DialogTemplate volume_sheet;      // 10323
extern const DialogTemplate area_sheet;        // 10303
extern const DialogTemplate work_force_sheet;  // 10278
extern const DialogTemplate power_sheet;       // 10270
extern const DialogTemplate heat_sheet;        // 10245
extern const DialogTemplate speed_sheet;       // 10229
extern const DialogTemplate light_sheet;       // 10471
extern const DialogTemplate valves_sheet;      // 10091
extern const DialogTemplate humidity_sheet;    // 10018
extern const DialogTemplate wind_chill_sheet;  // 10008

// Electrical power formulas.
extern const DialogTemplate amperes_template;      // 10257
extern const DialogTemplate shaft_stress_template; // 10259

// The power-formula dialog's controls for one pair of the Power sheet's choices, built at
// run time: the formula (numerator, bar, denominator, Calculate, result), then the legend
// lines and the "Notes" box around them.
struct AmperesLayout {
    const char* unit;    // the Step 1 item: the unit to solve for
    const char* current; // the Step 2 item: the kind of current
    std::span<const ControlTemplate> formula;
    std::span<const ControlTemplate> notes;
};
extern const std::span<const AmperesLayout> amperes_layouts;

// Motor and circuit formulas.
extern const DialogTemplate ohms_template;         // 10219
extern const DialogTemplate torque_template;       // 10209
extern const DialogTemplate pump_hp_template;      // 10194
extern const DialogTemplate synchronous_template;  // 10184
extern const DialogTemplate percent_slip_template; // 10174
extern const DialogTemplate voltage_drop_template; // 10159
extern const DialogTemplate wire_sizes_template;   // 10143

// Air flow formulas.
extern const DialogTemplate air_velocity_template;      // 10125
extern const DialogTemplate velocity_two_template;      // 10094
extern const DialogTemplate flow_coefficients_template; // 10103
extern const DialogTemplate air_density_template;       // 10115
extern const DialogTemplate air_flow_template;          // 10105

// Valve sizing.
extern const DialogTemplate water_template; // 10083
extern const DialogTemplate steam_template; // 10070

// Pressure formulas.
extern const DialogTemplate air_pressure_template;  // 10411
extern const DialogTemplate head_pressure_template; // 10401

// Heat formulas.
extern const DialogTemplate btu_template;    // 10062
extern const DialogTemplate tons_template;   // 10048
extern const DialogTemplate btu_hr_template; // 10000

} // namespace zarn
