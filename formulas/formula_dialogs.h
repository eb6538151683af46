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

// Air flow formulas
void dlg_flowformulas_Create(Window parent); // air velocity
void dlg_velocity_two_Create(Window parent); // velocity from a pressure transmitter
void dlg_airdensity_Create(Window parent);
void dlg_airlfow_Create(Window parent);
// The flow coefficient chart, modeless beside its owner (the transmitter velocity dialog);
// returns at once.
void dlg_flowcoefficients_Create(Window owner);

// Valve sizing
void dlg_water_Create(Window parent);
void dlg_steam_Create(Window parent);

// Pressure formulas
void dlg_airpressure_Create(Window parent);
void dlg_headpressure_Create(Window parent);

// Heat formulas
void dlg_btu_Create(Window parent);    // BTU per hour of water
void dlg_tons_Create(Window parent);   // refrigeration tons
void dlg_btu_hr_Create(Window parent); // BTU per hour of air, sensible

} // namespace zarn
