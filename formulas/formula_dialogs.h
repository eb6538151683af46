// The formula dialogs. Each opens modally over the calculator (its parent) and returns
// when it has closed; the formula lists of the calculator's sheets open them.
#pragma once

#include "platform/platform.h"

namespace zarn {

// Electrical power formulas
void dlg_amperes_Create(Window parent); // built for the Power sheet's two choices
void dlg_powerformulas_Create(Window parent);

// Motor and circuit formulas
void dlg_ohms_Create(Window parent);
void dlg_torque_Create(Window parent);
void dlg_pump_hp_Create(Window parent);
void dlg_synchronous_Create(Window parent);
void dlg_percent_slip_Create(Window parent);
void dlg_singlephase_voltage_drop_Create(Window parent);
// The wire-size table, modeless beside its owner (the voltage-drop dialog); returns at once.
void dlg_wire_sizes_Create(Window owner);

} // namespace zarn
