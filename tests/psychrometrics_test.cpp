// Moist-air arithmetic: the two calculators' results as the sheet shows them (ten
// significant digits), the wet-bulb range, and the faults of a zero or negative humidity.
#include "mathwiz/psychrometrics.h"
#include "platform/number_text.h"

#include <gtest/gtest.h>

namespace zarn {
namespace {

std::string shown(Real value)
{
    return real_to_text(value.value());
}

TEST(PowerOf, MultipliesOneFactorAtATimeFromTheLeft)
{
    // 1.03 to the fourth differs in its last bit between ((x x) x) x and (x x)(x x).
    const double x = 1.03;
    ASSERT_NE(((x * x) * x) * x, (x * x) * (x * x));
    EXPECT_EQ(power_of(x, x, 1, 4).value(), ((x * x) * x) * x);
    EXPECT_EQ(power_of(x, x, 1, 5).value(), (((x * x) * x) * x) * x);
    EXPECT_EQ(power_of(2, 3, 1, 3).value(), 18.0); // 2 times 3, twice
    EXPECT_EQ(power_of(5, 3, 4, 4).value(), 5.0);  // i equal to n: x unchanged
    EXPECT_EQ(power_of(5, 3, 6, 2).value(), 5.0);  // i above n: x unchanged
}

struct WetBulbCase {
    double dry_bulb, wet_bulb;
    const char *enthalpy, *humidity_ratio, *relative_humidity;
};

TEST(AirFromWetBulb, ShowsTheFittedValues)
{
    const WetBulbCase cases[] = {
        {75, 60, "26.49747655", "0.007771786031", "42.19388978"},
        {70, 70, "34.11374939", "0.01586743288", "100.6484537"},  // saturated, yet not 100
        {40, 32, "11.77754108", "0.002020357284", "39.18078092"}, // lowest wet bulb taken
    };
    for (const WetBulbCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dry_bulb << " / " << c.wet_bulb);
        const AirFromWetBulb air = air_from_wet_bulb(c.dry_bulb, c.wet_bulb);
        EXPECT_EQ(shown(air.enthalpy), c.enthalpy);
        EXPECT_EQ(shown(air.humidity_ratio), c.humidity_ratio);
        EXPECT_EQ(shown(air.relative_humidity), c.relative_humidity);
    }
}

TEST(AirFromWetBulb, RefusesAWetBulbBelowFreezing)
{
    // Below 32 deg F the saturated-enthalpy fit gives plausible nonsense: 20 / 12.5 would
    // read about 63 % where the air is almost dry.
    const double cases[][2] = {{40, 31.9}, {20, 12.5}, {-10, -20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c[0] << " / " << c[1]);
        try {
            air_from_wet_bulb(c[0], c[1]);
            ADD_FAILURE() << "computed";
        } catch (const OutOfRangeInput& refused) {
            EXPECT_STREQ(refused.what(),
                         "Wet bulb below 32 deg. F is outside the range of this calculation");
        }
    }
}

struct RelativeHumidityCase {
    double dry_bulb, relative_humidity;
    const char *enthalpy, *humidity_ratio, *dew_point;
};

TEST(AirFromRelativeHumidity, ShowsTheFittedValues)
{
    const RelativeHumidityCase cases[] = {
        {75, 50, "28.09288905", "0.009230949169", "55.06314265"},
        {70, 100, "33.99937425", "0.01576261215", "69.99186819"},
        {32, 50, "9.677655627", "0.001859598998", "17.07727463"}, // dew point over ice
        {33, 50, "10.00446171", "0.001939602498", "17.07885176"}, // dew point over water
    };
    for (const RelativeHumidityCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dry_bulb << " / " << c.relative_humidity);
        const AirFromRelativeHumidity air =
            air_from_relative_humidity(c.dry_bulb, c.relative_humidity);
        EXPECT_EQ(shown(air.enthalpy), c.enthalpy);
        EXPECT_EQ(shown(air.humidity_ratio), c.humidity_ratio);
        EXPECT_EQ(shown(air.dew_point), c.dew_point);
    }
}

TEST(AirFromRelativeHumidity, NoHumidityIsAnArithmeticFault)
{
    const struct {
        double relative_humidity;
        ArithmeticFault::Kind kind;
    } cases[] = {
        {0, ArithmeticFault::DivisionByZero},
        {-5, ArithmeticFault::LogarithmOutOfRange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.relative_humidity);
        try {
            air_from_relative_humidity(75, c.relative_humidity);
            ADD_FAILURE() << "computed";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.kind(), c.kind) << fault.what();
        }
    }
}

TEST(FigureDewpoint, ChoosesItsFitByTheDryBulb)
{
    // At 1 inHg the logarithm is 0 and each fit gives its constant term.
    EXPECT_EQ(figure_dewpoint(32, 1).value(), 71.98);      // over ice at 32 and below
    EXPECT_EQ(figure_dewpoint(-40, 1).value(), 71.98);     // however far the dew point lies
    EXPECT_EQ(figure_dewpoint(32.001, 1).value(), 79.047); // over water above 32
}

} // namespace
} // namespace zarn
