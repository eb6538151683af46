// Checked real arithmetic. A `Real` is an IEEE double whose every operation stops the
// calculation with an `ArithmeticFault` instead of producing an infinity or a NaN:
// division by zero, overflow, a square root or logarithm out of range, or a value that is
// not a finite number. Formulas written with `Real` keep their printed grouping, one
// double operation per operator, and never put a non-finite value on screen.
#pragma once

#include <compare>
#include <stdexcept>
#include <string>

namespace zarn {

// A fault of the arithmetic; its text is what the user reads in the "Program Error" box.
class ArithmeticFault : public std::runtime_error {
public:
    enum Kind { DivisionByZero, Overflow, SquareRootOfNegative, LogarithmOutOfRange, NotFinite };
    explicit ArithmeticFault(Kind kind);
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

class Real {
public:
    constexpr Real() = default;
    constexpr Real(double value) : value_(value) {} // NOLINT: reals mix freely with literals
    constexpr double value() const { return value_; }

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);
    friend Real operator-(Real a);
    friend constexpr bool operator==(Real a, Real b) { return a.value_ == b.value_; }
    friend constexpr auto operator<=>(Real a, Real b) { return a.value_ <=> b.value_; }

private:
    double value_ = 0.0;
};

Real sqrt(Real x);  // square root; negative x is a fault
Real ln(Real x);    // natural logarithm; zero or negative x is a fault
Real exp(Real x);   // e to the power x; a result beyond the double range is a fault
Real floor(Real x); // largest whole number not above x

// Stops with a fault unless x is a finite number; returns x.
double checked_finite(double x);

} // namespace zarn
