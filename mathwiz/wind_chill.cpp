#include "mathwiz/wind_chill.h"

#include "mathwiz/sheet_input.h"
#include "mathwiz/wind_chill_math.h"

namespace zarn {
namespace {

constexpr int calculate_button = 10009;
constexpr int temperature_field = 10010; // deg F
constexpr int wind_speed_field = 10011;  // mph
constexpr int wind_chill_field = 10012;  // deg F

} // namespace

Outcome wind_chill_sheet_eh(Window dialog, const Event& event)
{
    if (!is_click(event, calculate_button)) return Declined;
    const auto temperature = read_sheet_input(dialog, temperature_field);
    const auto wind_speed = read_sheet_input(dialog, wind_speed_field);
    if (!temperature || !wind_speed) return Declined;
    dialog_SetReal(dialog, wind_chill_field, wind_chill(*temperature, *wind_speed).value());
    return Handled;
}

} // namespace zarn
