#include "resources/resources.h"

namespace zarn {
namespace {

// Every template the program opens by its resource id.
const DialogTemplate* const all_templates[] = {
    &about_template, &calculator_template, &temperature_sheet, &pressure_sheet, &flow_sheet,
    &length_sheet,   &weight_sheet,        &volume_sheet,      &area_sheet,     &work_force_sheet,
    &power_sheet,    &heat_sheet,          &speed_sheet,       &light_sheet,    &valves_sheet,
    &humidity_sheet, &wind_chill_sheet,
};

} // namespace

const DialogTemplate* find_template(int id)
{
    for (const DialogTemplate* tmpl : all_templates)
        if (tmpl->id == id) return tmpl;
    return nullptr;
}

} // namespace zarn
