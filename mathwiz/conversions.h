// The calculator's conversion sheets: a keystroke in a unit field converts the typed
// number into the sheet's base unit and rewrites every other field of the sheet (of the
// group, on Work/Force) from it. Only the edited field is read; empty or non-numeric text
// changes nothing and shows no message.
#pragma once

#include "platform/platform.h"
#include "platform/real.h"

namespace zarn {

// One function a sheet: computes every unit's value from the base value in table order
// and hands them to update_conversion_fields, which leaves `edited_id` alone. The
// temperature, pressure, length, weight, volume and work functions round each value
// first, so a value too large to round writes nothing at all; the flow, heat, speed,
// light and area functions leave the rounding to the writing, so the fields written
// before a failing one keep their new values.
void temp_conversions(Window dialog, int edited_id, Real fahrenheit);
void pressure_conversions(Window dialog, int edited_id, Real psi);
void flow_conversions(Window dialog, int edited_id, Real liters_per_sec);
void length_conversions(Window dialog, int edited_id, Real inches);
void weight_conversions(Window dialog, int edited_id, Real pounds);
void volume_wet_conversions(Window dialog, int edited_id, Real cubic_inches);
void area_conversions(Window dialog, int edited_id, Real square_feet);
void work_conversions2(Window dialog, int edited_id, Real horsepower);
void heat_conversions(Window dialog, int edited_id, Real btu);
void speed_conversions(Window dialog, int edited_id, Real feet_per_sec);
void light_conversions(Window dialog, int edited_id, Real footcandles);

// The calculator's rule for the unit fields of the sheets with a base unit.
Outcome conversion_field_rule(Window dialog, const Event& event);
// The calculator's rule for the torque, force and energy pairs of the Work/Force sheet:
// the partner field gets the rounded value as a real, never as exponent text.
Outcome work_force_pair_rule(Window dialog, const Event& event);

} // namespace zarn
