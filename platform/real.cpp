#include "platform/real.h"

#include <cmath>

namespace zarn {
namespace {

const char* fault_text(ArithmeticFault::Kind kind)
{
    switch (kind) {
    case ArithmeticFault::DivisionByZero:
        return "Division by zero";
    case ArithmeticFault::Overflow:
        return "Overflow: the result is too large for a number";
    case ArithmeticFault::SquareRootOfNegative:
        return "Square root of a negative number";
    case ArithmeticFault::LogarithmOutOfRange:
        return "Logarithm of zero or of a negative number";
    case ArithmeticFault::NotFinite:
        break;
    }
    return "A value that is not a finite number";
}

// The result of one operation on finite operands: a fault if it left the double range.
Real checked(double result, double a, double b)
{
    if (std::isfinite(result)) return Real(result);
    if (!std::isfinite(a) || !std::isfinite(b) || std::isnan(result))
        throw ArithmeticFault(ArithmeticFault::NotFinite);
    throw ArithmeticFault(ArithmeticFault::Overflow);
}

} // namespace

ArithmeticFault::ArithmeticFault(Kind kind) : std::runtime_error(fault_text(kind)), kind_(kind) {}

Real operator+(Real a, Real b)
{
    return checked(a.value_ + b.value_, a.value_, b.value_);
}
Real operator-(Real a, Real b)
{
    return checked(a.value_ - b.value_, a.value_, b.value_);
}
Real operator*(Real a, Real b)
{
    return checked(a.value_ * b.value_, a.value_, b.value_);
}
Real operator-(Real a)
{
    return checked(-a.value_, a.value_, 0.0);
}

Real operator/(Real a, Real b)
{
    if (std::isfinite(a.value_) && b.value_ == 0.0)
        throw ArithmeticFault(ArithmeticFault::DivisionByZero);
    return checked(a.value_ / b.value_, a.value_, b.value_);
}

Real sqrt(Real x)
{
    double v = checked_finite(x.value());
    if (v < 0.0) throw ArithmeticFault(ArithmeticFault::SquareRootOfNegative);
    return Real(std::sqrt(v));
}

Real ln(Real x)
{
    double v = checked_finite(x.value());
    if (v <= 0.0) throw ArithmeticFault(ArithmeticFault::LogarithmOutOfRange);
    return Real(std::log(v));
}

Real exp(Real x)
{
    double v = checked_finite(x.value());
    return checked(std::exp(v), v, 0.0);
}

Real floor(Real x)
{
    return Real(std::floor(checked_finite(x.value())));
}

double checked_finite(double x)
{
    if (!std::isfinite(x)) throw ArithmeticFault(ArithmeticFault::NotFinite);
    return x;
}

} // namespace zarn
