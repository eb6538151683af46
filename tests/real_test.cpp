// The checked arithmetic: faults instead of infinities and NaNs.
#include "platform/real.h"

#include <gtest/gtest.h>

#include <limits>

namespace zarn {
namespace {

using Kind = ArithmeticFault::Kind;

template <class F> void expect_fault(F f, Kind kind)
{
    try {
        f();
        ADD_FAILURE() << "no fault";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind(), kind) << fault.what();
    }
}

TEST(Real, OperationsKeepTheirDoubleResults)
{
    Real x = 100;
    EXPECT_EQ((x * 1.8 + 32).value(), 212.0);
    EXPECT_EQ(((Real(212) - 32) / 1.8).value(), (212.0 - 32) / 1.8);
    EXPECT_EQ(sqrt(Real(4)).value(), 2.0);
    EXPECT_EQ(floor(Real(-0.5)).value(), -1.0);
    EXPECT_EQ(ln(Real(1)).value(), 0.0);
}

TEST(Real, FaultsInsteadOfNonFiniteResults)
{
    const double big = std::numeric_limits<double>::max();
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    expect_fault([] { return Real(1) / 0.0; }, Kind::DivisionByZero);
    expect_fault([] { return Real(0) / 0.0; }, Kind::DivisionByZero);
    expect_fault([&] { return Real(big) * 2; }, Kind::Overflow);
    expect_fault([&] { return Real(big) + big; }, Kind::Overflow);
    expect_fault([&] { return Real(inf) * 1.8; }, Kind::NotFinite);
    expect_fault([&] { return Real(nan) - 32; }, Kind::NotFinite);
    expect_fault([&] { return Real(inf) / 0.0; }, Kind::NotFinite);
    expect_fault([] { return sqrt(Real(-1)); }, Kind::SquareRootOfNegative);
    expect_fault([] { return ln(Real(0)); }, Kind::LogarithmOutOfRange);
    expect_fault([] { return ln(Real(-3)); }, Kind::LogarithmOutOfRange);
    expect_fault([] { return exp(Real(1000)); }, Kind::Overflow);
    expect_fault([&] { return floor(Real(nan)); }, Kind::NotFinite);
    expect_fault([&] { return checked_finite(inf); }, Kind::NotFinite);
}

} // namespace
} // namespace zarn
