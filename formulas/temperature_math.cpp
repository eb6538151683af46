#include "formulas/temperature_math.h"

namespace zarn {

Real water_heat_flow_btu_hr(Real flow_gpm, Real temperature_difference_f)
{
    return (flow_gpm * temperature_difference_f) * 499.8;
}

Real refrigeration_tons_from_water(Real flow_gpm, Real temperature_difference_f)
{
    return (flow_gpm * temperature_difference_f) / 24.00960384;
}

Real refrigeration_tons_from_heat_flow(Real heat_flow_btu_hr)
{
    return heat_flow_btu_hr / 12000;
}

Real sensible_air_heat_flow_btu_hr(Real air_flow_cfm, Real temperature_difference_f)
{
    return (air_flow_cfm * 1.08) * temperature_difference_f;
}

} // namespace zarn
