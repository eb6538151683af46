// The conversion tables and the display rounding, computed directly.
#include "conversions/conversion_sheet.h"
#include "mathwiz/round_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace zarn {
namespace {

struct RoundCase {
    double x;
    double rounded;
};

// Three decimals, ties towards positive infinity, each step a double operation.
TEST(RoundValue, RoundsToThreeDecimalsWithTiesUpwards)
{
    const RoundCase cases[] = {
        {0.0005, 0.001},
        {-0.0005, 0.0},
        {-0.0015, -0.001},
        {0.0004999, 0.0},
        {-0.0006, -0.001},
        {33.8000180, 33.8},
        {5.1715, 5.172},
        {2.0367, 2.037},
        {-12345678.123, -12345678.123},
        {9999999.0004, 9999999.0},
        {9999999.0006, 9999999.001},
        {1.7e305, std::floor(1.7e305 * 1000 + 0.5) / 1000},
    };
    for (const RoundCase& c : cases) {
        Real r = round_value(c.x);
        EXPECT_EQ(r.value(), c.rounded) << c.x;
        EXPECT_FALSE(std::signbit(r.value()) && r.value() == 0) << c.x << " gave -0";
        // The sheets that round before writing round twice: the second time changes nothing.
        EXPECT_EQ(round_value(r).value(), r.value()) << c.x;
    }
}

TEST(RoundValue, NonFiniteOrTooLargeValuesAreFaults)
{
    using Kind = ArithmeticFault::Kind;
    const struct {
        double x;
        Kind kind;
    } cases[] = {
        {std::numeric_limits<double>::infinity(), Kind::NotFinite},
        {-std::numeric_limits<double>::infinity(), Kind::NotFinite},
        {std::numeric_limits<double>::quiet_NaN(), Kind::NotFinite},
        {1.8e305, Kind::Overflow},
        {-1.8e305, Kind::Overflow},
    };
    for (const auto& c : cases) {
        try {
            round_value(c.x);
            ADD_FAILURE() << c.x << ": no fault";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.kind(), c.kind) << c.x;
        }
    }
}

// Each row's two directions carry their own constants; they may differ a little (the
// water and mercury columns, the acre, the hectolitre, the torque pair) but never by more
// than a quarter of a per cent, so a mistyped constant in either direction shows here.
TEST(ConversionTables, EveryRowRoundTripsWithinAQuarterOfAPerCent)
{
    for (const ConversionSheet* table : conversion_tables()) {
        for (const UnitRow& row : table->rows) {
            for (double x : {1.0, 250.0}) {
                double back = row.from_base(row.to_base(x)).value();
                EXPECT_NEAR(back / x, 1.0, 0.0025) << table->title << " " << row.label;
            }
        }
    }
    for (const UnitPair& pair : work_force_pairs()) {
        for (const UnitPair& other : work_force_pairs()) {
            if (other.id != pair.partner_id) continue;
            double back = other.partner(pair.partner(7.0)).value();
            EXPECT_NEAR(back / 7.0, 1.0, 0.0025) << pair.label;
        }
    }
}

// The base unit converts to and from itself exactly, and no field is in two rows.
TEST(ConversionTables, BaseRowsAreTheIdentityAndFieldsAreUnique)
{
    std::set<int> ids;
    for (const ConversionSheet* table : conversion_tables()) {
        const UnitRow* base = find_row(*table, table->base_id);
        ASSERT_NE(base, nullptr) << table->title;
        EXPECT_EQ(base->to_base(0.1).value(), 0.1) << table->title;
        EXPECT_EQ(base->from_base(0.1).value(), 0.1) << table->title;
        for (const UnitRow& row : table->rows)
            EXPECT_TRUE(ids.insert(row.id).second) << row.id;
    }
    for (const UnitPair& pair : work_force_pairs())
        EXPECT_TRUE(ids.insert(pair.id).second) << pair.id;
}

// Offsets as well as factors: absolute zero is the same on every temperature scale.
TEST(ConversionTables, AbsoluteZeroIsZeroKelvinAndZeroRankine)
{
    const UnitRow* kelvin = find_row(temperature_table, 10466);
    const UnitRow* rankine = find_row(temperature_table, 10468);
    ASSERT_TRUE(kelvin && rankine);
    Real fahrenheit = kelvin->to_base(0);
    EXPECT_NEAR(fahrenheit.value(), -459.67, 1e-9);
    EXPECT_NEAR(rankine->from_base(fahrenheit).value(), 0.0, 1e-9);
    EXPECT_NEAR(kelvin->from_base(rankine->to_base(0)).value(), 0.0, 1e-9);
}

TEST(ConversionTables, SheetValuesFollowTheRowOrder)
{
    std::vector<Real> values = sheet_values(flow_table, 0.472);
    ASSERT_EQ(values.size(), flow_table.rows.size());
    EXPECT_EQ(values[0].value(), 0.472 / 0.472);
    EXPECT_EQ(values[1].value(), 0.472);
    EXPECT_EQ(values[2].value(), 0.472 / 1000);
    EXPECT_EQ(values[3].value(), 0.472 / 0.0631);
}

} // namespace
} // namespace zarn
