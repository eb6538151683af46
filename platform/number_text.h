// How the program reads and writes numbers as text. Independent of the user's locale:
// the decimal separator is always a point and no digit grouping is ever used.
#pragma once

#include <string>
#include <string_view>

namespace zarn {

// What a field's text holds: only blanks, a number, or something else.
struct FieldText {
    enum Kind { Blank, Number, NotANumber };
    Kind kind;
    double value; // the number when kind is Number, else 0
};

// Reading rule: optional leading blanks, an optional sign, digits with an optional decimal
// point ("5." and ".5" are numbers, "." is not) and an optional exponent, then only blanks.
// NAN and INF in any case (after an optional sign) give NaN and infinity. A number too
// large for a double reads as infinity, one too small as zero, as a correctly rounded
// reading does. Text of blanks only is Blank; everything else is NotANumber.
FieldText read_field_text(std::string_view text);

// Writing rule for reals: at most ten significant digits, trailing zeros and a trailing
// point dropped; exponent form "d.dddE+XX" (upper-case E, sign, at least two digits) when
// the decimal exponent is below -4 or 10 and above. 1234567.891234 -> "1234567.891",
// 0.000012345 -> "1.2345E-05", 1.5e10 -> "1.5E+10".
std::string real_to_text(double value);

// The conversion sheets' text for large values: one digit, a point, exactly five digits,
// an upper-case E, the exponent sign and at least two exponent digits (12345678 ->
// "1.23457E+07").
std::string exponent_text(double value);

} // namespace zarn
