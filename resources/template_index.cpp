#include "resources/resources.h"

namespace zarn {
namespace {

// Every template the program opens by its resource id.
// clang-format off
const DialogTemplate* const all_templates[] = {
    &about_template, &calculator_template, &temperature_sheet, &pressure_sheet, &flow_sheet,
    &length_sheet,   &weight_sheet,        &volume_sheet,      &area_sheet,     &work_force_sheet,
    &power_sheet,    &heat_sheet,          &speed_sheet,       &light_sheet,    &valves_sheet,
    &humidity_sheet, &wind_chill_sheet,
    // electrical power, motor and circuit formulas
    &amperes_template, &shaft_stress_template,
    &ohms_template, &torque_template, &pump_hp_template, &synchronous_template,
    &percent_slip_template, &voltage_drop_template, &wire_sizes_template,
    // air flow, valve sizing, pressure and heat formulas
    &air_velocity_template, &velocity_two_template, &flow_coefficients_template,
    &air_density_template, &air_flow_template,
    &water_template, &steam_template,
    &air_pressure_template, &head_pressure_template,
    &btu_template, &tons_template, &btu_hr_template,
};
// clang-format on

} // namespace

const DialogTemplate* find_template(int id)
{
    for (const DialogTemplate* tmpl : all_templates)
        if (tmpl->id == id) return tmpl;
    return nullptr;
}

} // namespace zarn
