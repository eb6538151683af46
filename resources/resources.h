// The dialog templates of the program, one object per template.
#pragma once

#include "platform/templates.h"

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

} // namespace zarn
