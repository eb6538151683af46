// The air flow, valve sizing, pressure and heat formulas: results as the dialogs show them
// (ten significant digits), the last bits that the printed grouping and the held
// constants decide, and faults for zero divisors, square roots of negative numbers and
// overflow.
#include "formula_cases.h"
#include "formulas/flow_math.h"
#include "formulas/pressure_math.h"
#include "formulas/temperature_math.h"
#include "formulas/valve_math.h"
#include "mathwiz/round_value.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace zarn {
namespace {

using testing_support::expect_faults;
using testing_support::expect_shown;

constexpr auto two_position = ValveControl::two_position;
constexpr auto modulating = ValveControl::modulating;

Real steam_cv(Real q, Real k, Real p, ValveControl control)
{
    return steam_flow_coefficient(q, k, p, steam_pressure_drop_share(control, p));
}

TEST(AirFlowFormulas, ResultsAsShown)
{
    expect_shown({
        {"velocity, Pv 1, D 0.075", [] { return air_velocity_fpm(1, 0.075); }, "4002.026154"},
        {"velocity, Pv 0.5, D 0.075", [] { return air_velocity_fpm(0.5, 0.075); }, "2829.859832"},
        {"density, Pb 29.92, T 530", [] { return air_density_lb_ft3(29.92, 530); }, "0.0748"},
        {"flow, V 850.5, A 3.25", [] { return air_flow_cfm(850.5, 3.25); }, "2764.125"},
        {"transmitter, Cf 1000, Mo 20", [] { return transmitter_air_velocity_fpm(1000, 20); },
         "4000"},
        {"transmitter, Cf 316, Mo 12", [] { return transmitter_air_velocity_fpm(316, 12); },
         "893.7829714"},
        {"transmitter at zero signal", [] { return transmitter_air_velocity_fpm(316, 4); }, "0"},
    });
}

TEST(ValveFormulas, ResultsAsShown)
{
    expect_shown({
        {"water, 100 gpm, 4 psi", [] { return water_flow_coefficient(100, 4); }, "50"},
        {"water, 37.5 gpm, 2.5 psi", [] { return water_flow_coefficient(37.5, 2.5); },
         "23.71708245"},
        {"steam two-position, P 10", [] { return steam_cv(500, 1, 10, two_position); },
         "34.23533458"},
        {"steam modulating, P 10", [] { return steam_cv(500, 1, 10, modulating); }, "14.41934459"},
        {"steam modulating, P 15 takes 0.8", [] { return steam_cv(500, 1, 15, modulating); },
         "11.43593013"},
        {"steam modulating, P 50 takes 0.42", [] { return steam_cv(500, 1, 50, modulating); },
         "5.50171873"},
        {"steam two-position, K 1.05, P 50", [] { return steam_cv(500, 1.05, 50, two_position); },
         "10.1289839"},
    });
}

TEST(ValveFormulas, PressureDropShareByControlAndInletPressure)
{
    const struct {
        ValveControl control;
        double inlet_psig;
        double share;
    } cases[] = {
        {two_position, 10, 0.1},
        {two_position, 50, 0.1},
        {modulating, 10, 0.8},
        {modulating, 15, 0.8},
        {modulating, 15.001, 0.42000000000000004},
        {modulating, 50, 0.42000000000000004},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(steam_pressure_drop_share(c.control, c.inlet_psig).value(), c.share)
            << c.inlet_psig;
    }
}

TEST(PressureFormulas, ResultsAsShown)
{
    expect_shown({
        {"velocity pressure from total 1.5, static 0.9",
         [] { return velocity_pressure_from_total_and_static(1.5, 0.9); }, "0.6"},
        {"total from velocity 0.35, static 1.2",
         [] { return total_pressure_from_velocity_and_static(0.35, 1.2); }, "1.55"},
        {"static from total 2, velocity 0.5",
         [] { return static_pressure_from_total_and_velocity(2, 0.5); }, "1.5"},
        {"velocity from Pv 0.25", [] { return air_velocity_from_velocity_pressure_fpm(0.25); },
         "2002"},
        // The dialogs show the pair to three decimals, and head pressure solutions too.
        {"Pv from 1000 fpm", [] { return round_value(velocity_pressure_in_wc(1000)); }, "0.062"},
        {"Pv from 2500 fpm", [] { return round_value(velocity_pressure_in_wc(2500)); }, "0.39"},
        {"head, 10 psi, sg 1", [] { return round_value(head_ft(10, 1)); }, "23.1"},
        {"head, 10 psi, sg 0.85", [] { return round_value(head_ft(10, 0.85)); }, "27.176"},
        {"sg, 20 psi, 23.1 ft", [] { return round_value(specific_gravity_from_head(20, 23.1)); },
         "2"},
        {"psi, 23.1 ft, sg 1.125", [] { return round_value(pressure_psi_from_head(23.1, 1.125)); },
         "11.25"},
    });
}

TEST(HeatFormulas, ResultsAsShown)
{
    expect_shown({
        {"BTU/hr water, 10 gpm, 20 F", [] { return water_heat_flow_btu_hr(10, 20); }, "99960"},
        {"BTU/hr water, 4.5 gpm, 12 F", [] { return water_heat_flow_btu_hr(4.5, 12); }, "26989.2"},
        // The divisor is not exactly 12000 / 499.8.
        {"tons, 10 gpm, 20 F", [] { return refrigeration_tons_from_water(10, 20); }, "8.330000001"},
        {"tons, 36000 BTU/hr", [] { return refrigeration_tons_from_heat_flow(36000); }, "3"},
        {"tons, 50000 BTU/hr", [] { return refrigeration_tons_from_heat_flow(50000); },
         "4.166666667"},
        {"BTU/hr air, 1000 cfm, 20 F", [] { return sensible_air_heat_flow_btu_hr(1000, 20); },
         "21600"},
        {"BTU/hr air, 850 cfm, 15.5 F", [] { return sensible_air_heat_flow_btu_hr(850, 15.5); },
         "14229"},
    });
}

// One operation at a time in the printed grouping, with the constants as held. Each value
// below has another last bit under a regrouping (sqrt(Pv) / sqrt(D), V x V / 4004²,
// cfm x (1.08 x dT), ...) or with the nearest doubles to 1.325 and 0.42.
TEST(HvacFormulas, KeepTheirGroupingAndHeldConstants)
{
    const struct {
        const char* what;
        std::function<Real()> compute;
        double exact;
    } cases[] = {
        {"air velocity", [] { return air_velocity_fpm(0.7, 0.075); }, 3348.3353077810675},
        {"velocity pressure", [] { return velocity_pressure_in_wc(1500); }, 0.14034417131320231},
        {"density factor above 1.325", [] { return air_density_lb_ft3(29.92, 530); },
         0.074800000000000019},
        {"steam share above 0.42", [] { return steam_cv(500, 1, 75, modulating); },
         3.8925301076058054},
        {"air heat", [] { return sensible_air_heat_flow_btu_hr(850, 7); }, 6426.0000000000009},
        {"water heat", [] { return water_heat_flow_btu_hr(4.5, 7); }, 15743.700000000001},
        {"psi from head", [] { return pressure_psi_from_head(30, 0.85); }, 11.038961038961039},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.compute().value(), c.exact) << c.what;
    }
}

TEST(HvacFormulas, ZeroDivisorsNegativeRootsAndOverflowAreFaults)
{
    using Kind = ArithmeticFault::Kind;
    const double big = std::numeric_limits<double>::max();
    expect_faults({
        {"air density D 0", [] { return air_velocity_fpm(1, 0); }, Kind::DivisionByZero},
        {"Pv / D negative", [] { return air_velocity_fpm(-1, 0.075); }, Kind::SquareRootOfNegative},
        {"transmitter below 4 mA", [] { return transmitter_air_velocity_fpm(316, 3.9); },
         Kind::SquareRootOfNegative},
        {"absolute temperature 0", [] { return air_density_lb_ft3(29.92, 0); },
         Kind::DivisionByZero},
        {"huge duct", [big] { return air_flow_cfm(big, 2); }, Kind::Overflow},
        {"water, no pressure drop", [] { return water_flow_coefficient(100, 0); },
         Kind::DivisionByZero},
        {"water, negative pressure drop", [] { return water_flow_coefficient(100, -4); },
         Kind::SquareRootOfNegative},
        {"steam, inlet 0", [] { return steam_cv(500, 1, 0, two_position); }, Kind::DivisionByZero},
        {"steam, dP x P2 negative", [] { return steam_cv(500, 1, -5, two_position); },
         Kind::SquareRootOfNegative},
        {"negative Pv", [] { return air_velocity_from_velocity_pressure_fpm(-0.25); },
         Kind::SquareRootOfNegative},
        {"huge V", [big] { return velocity_pressure_in_wc(big); }, Kind::Overflow},
        {"head, sg 0", [] { return head_ft(10, 0); }, Kind::DivisionByZero},
        {"sg, head 0", [] { return specific_gravity_from_head(10, 0); }, Kind::DivisionByZero},
        {"huge heat", [big] { return water_heat_flow_btu_hr(big, 20); }, Kind::Overflow},
        {"huge air heat", [big] { return sensible_air_heat_flow_btu_hr(big, 20); }, Kind::Overflow},
    });
}

} // namespace
} // namespace zarn
