// The wind chill: the index inside its range, the air temperature outside it, the rounding
// of the wind speed and the faults of a calm, backward or enormous wind.
#include "mathwiz/wind_chill_math.h"

#include <gtest/gtest.h>

#include <limits>

namespace zarn {
namespace {

TEST(WindChill, IndexInsideItsRangeAndAirTemperatureOutside)
{
    const struct {
        double temperature, wind_speed, chill;
    } cases[] = {
        // Inside the range: 50 deg F and below, 3 mph and above.
        {0, 15, -19},
        {30, 10, 21},
        {40, 5, 36},
        {50, 3, 50},
        {-20, 30, -53},
        {50, 10, 46},
        {10, 20.4, -9}, // speed 20
        {10, 20.5, -9}, // speed 21
        {20, 2.5, 16},  // speed 3
        {10, 2.5, 4},
        // Outside it the air temperature, rounded halves upward (the index itself would
        // give 34 for 32 deg F at 1 mph, warmer than the air).
        {32, 1, 32},
        {60, 10, 60},
        {50.4, 10, 50},
        {10, 2.4, 10}, // speed 2
        {-9.5, 1, -9},
        {9.5, 2, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "T " << c.temperature << ", V " << c.wind_speed);
        EXPECT_EQ(wind_chill(c.temperature, c.wind_speed).value(), c.chill);
    }
}

TEST(WindChill, WindSpeedRoundsHalvesAwayFromZero)
{
    const struct {
        double speed;
        std::int32_t rounded;
    } cases[] = {
        {20.4, 20},
        {20.5, 21},
        {2.5, 3},
        {-2.5, -3},
        {0.4, 0},
        {-0.4, 0},
        {2147483647.4, 2147483647},
        {-2147483648.4, std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(round_wind_speed(c.speed), c.rounded) << c.speed;
}

TEST(WindChill, CalmBackwardOrEnormousWindIsAnArithmeticFault)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double temperature, wind_speed;
        ArithmeticFault::Kind kind;
    } cases[] = {
        {10, 0, ArithmeticFault::LogarithmOutOfRange},
        {10, 0.4, ArithmeticFault::LogarithmOutOfRange},
        {10, -0.4, ArithmeticFault::LogarithmOutOfRange},
        {10, -3, ArithmeticFault::LogarithmOutOfRange},
        {60, 0, ArithmeticFault::LogarithmOutOfRange}, // also above the index's range
        {10, 2147483647.5, ArithmeticFault::Overflow},
        {10, -2147483648.5, ArithmeticFault::Overflow},
        {10, 1e300, ArithmeticFault::Overflow},
        {10, nan, ArithmeticFault::NotFinite},
        {nan, 10, ArithmeticFault::NotFinite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "T " << c.temperature << ", V " << c.wind_speed);
        try {
            wind_chill(c.temperature, c.wind_speed);
            ADD_FAILURE() << "computed";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.kind(), c.kind) << fault.what();
        }
    }
}

} // namespace
} // namespace zarn
