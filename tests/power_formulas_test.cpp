// The electrical, motor and circuit formulas: results as the dialogs show them (ten
// significant digits), and faults for zero divisors and overflow.
#include "formula_cases.h"
#include "formulas/otherpower_math.h"
#include "formulas/power_math.h"

#include <gtest/gtest.h>

#include <limits>

namespace zarn {
namespace {

using testing_support::expect_faults;
using testing_support::expect_shown;

TEST(PowerFormulas, ResultsAsShown)
{
    expect_shown({
        {"dc amperes from hp", [] { return dc_amperes_from_horsepower(10, 230, 0.8); },
         "40.54347826"},
        {"1-phase amperes from hp",
         [] { return single_phase_amperes_from_horsepower(10, 230, 0.85, 0.9); }, "42.39840864"},
        {"3-phase amperes from hp",
         [] { return three_phase_amperes_from_horsepower(10, 230, 0.85, 0.9); }, "24.50775066"},
        {"dc amperes from kW", [] { return dc_amperes_from_kilowatts(10, 480); }, "20.83333333"},
        {"1-phase amperes from kW",
         [] { return single_phase_amperes_from_kilowatts(10, 480, 0.9); }, "23.14814815"},
        {"3-phase amperes from kW", [] { return three_phase_amperes_from_kilowatts(10, 480, 0.9); },
         "13.38043246"},
        {"1-phase amperes from kVA", [] { return single_phase_amperes_from_kva(15, 240); }, "62.5"},
        {"3-phase amperes from kVA", [] { return three_phase_amperes_from_kva(15, 480); },
         "18.06358382"},
        {"dc kW", [] { return dc_kilowatts(20, 230); }, "4.6"},
        {"1-phase kW", [] { return single_phase_kilowatts(20, 230, 0.9); }, "4.14"},
        {"3-phase kW", [] { return three_phase_kilowatts(20, 480, 0.9); }, "14.9472"},
        {"1-phase kVA", [] { return single_phase_kva(20, 240); }, "4.8"},
        {"3-phase kVA", [] { return three_phase_kva(20, 480); }, "16.608"},
        {"dc hp output", [] { return dc_horsepower_output(20, 230, 0.85); }, "5.241286863"},
        {"1-phase hp output", [] { return single_phase_horsepower_output(20, 230, 0.85, 0.9); },
         "4.717158177"},
        {"3-phase hp output", [] { return three_phase_horsepower_output(20, 230, 0.85, 0.9); },
         "8.160683646"},
        {"shaft stress", [] { return motor_shaft_stress_psi(50, 1750, 8); }, "1146.428571"},
    });
}

TEST(MotorAndCircuitFormulas, ResultsAsShown)
{
    expect_shown({
        {"ohms", [] { return resistance_ohms(120, 12); }, "10"},
        {"volts", [] { return voltage_volts(12, 10); }, "120"},
        {"amperes", [] { return current_amperes(120, 10); }, "12"},
        {"torque", [] { return motor_torque_lb_ft(10, 1750); }, "30"},
        {"pump", [] { return pump_horsepower(100, 50, 1.0, 0.7); }, "1.803751804"},
        {"synchronous", [] { return synchronous_rpm(60, 4); }, "1800"},
        {"slip", [] { return percent_slip(1800, 1750, 1800); }, "2.777777778"},
        {"voltage drop", [] { return voltage_drop_volts(10, 100, 2, 1.62); }, "3.24"},
    });
}

// One operation at a time in the printed grouping. Each regrouping below gives another
// last bit.
TEST(PowerFormulas, KeepTheirGrouping)
{
    // (hp x 746) / (((E x 1.73) x eff) x pf), not hp x 746 / (E x (1.73 x eff x pf))
    EXPECT_EQ(three_phase_amperes_from_horsepower(10, 230, 0.85, 0.9).value(), 24.507750658276215);
    // ((S - F) / S) x 100, not (S - F) x 100 / S
    EXPECT_EQ(percent_slip(1200, 1000, 1200).value(), 16.666666666666664);
    // ((gpm x head) x SG) / (eff x 3960), not gpm x head x SG / eff / 3960
    EXPECT_EQ(pump_horsepower(100, 50, 1.0, 0.7).value(), 1.8037518037518037);
}

TEST(PowerFormulas, ZeroDivisorsAndOverflowAreFaults)
{
    using Kind = ArithmeticFault::Kind;
    const double big = std::numeric_limits<double>::max();
    expect_faults({
        {"zero volts", [] { return dc_amperes_from_kilowatts(10, 0); }, Kind::DivisionByZero},
        {"zero efficiency", [] { return dc_amperes_from_horsepower(10, 230, 0); },
         Kind::DivisionByZero},
        {"zero rpm", [] { return motor_torque_lb_ft(10, 0); }, Kind::DivisionByZero},
        {"zero shaft", [] { return motor_shaft_stress_psi(50, 1750, 0); }, Kind::DivisionByZero},
        {"zero poles", [] { return synchronous_rpm(60, 0); }, Kind::DivisionByZero},
        {"zero pump efficiency", [] { return pump_horsepower(100, 50, 1, 0); },
         Kind::DivisionByZero},
        {"zero synchronous speed", [] { return percent_slip(1800, 1750, 0); },
         Kind::DivisionByZero},
        {"zero amperes in Ohm's law", [] { return resistance_ohms(120, 0); }, Kind::DivisionByZero},
        {"huge horsepower", [big] { return dc_horsepower_output(big, 230, 1); }, Kind::Overflow},
        {"huge circuit", [big] { return voltage_drop_volts(big, 100, 2, 1); }, Kind::Overflow},
    });
}

} // namespace
} // namespace zarn
