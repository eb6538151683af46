#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace zarn {
namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}
bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool equals_word(std::string_view text, std::string_view upper_word)
{
    if (text.size() != upper_word.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper_word[i]) return false;
    }
    return true;
}

// A reading the double range cannot hold: infinity when the number's decimal exponent is
// positive, zero when it is negative (the number is not zero: that reads without fault).
double out_of_range_value(std::string_view mantissa, long long exponent, bool negative)
{
    long long point = static_cast<long long>(mantissa.find('.'));
    if (point < 0) point = static_cast<long long>(mantissa.size());
    long long first = 0;
    for (char c : mantissa) {
        if (c != '0' && c != '.') break;
        ++first;
    }
    long long magnitude = exponent + (point - first);
    double value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

} // namespace

FieldText read_field_text(std::string_view text)
{
    const FieldText not_a_number{FieldText::NotANumber, 0.0};
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && is_blank(text[begin]))
        ++begin;
    while (end > begin && is_blank(text[end - 1]))
        --end;
    if (begin == end) return {FieldText::Blank, 0.0};
    std::string_view body = text.substr(begin, end - begin);

    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    if (equals_word(body, "NAN")) {
        double nan = std::numeric_limits<double>::quiet_NaN();
        return {FieldText::Number, negative ? -nan : nan};
    }
    if (equals_word(body, "INF")) {
        double inf = std::numeric_limits<double>::infinity();
        return {FieldText::Number, negative ? -inf : inf};
    }

    // Mantissa: digits with an optional point, at least one digit in all.
    size_t i = 0;
    size_t digits = 0;
    while (i < body.size() && is_digit(body[i]))
        ++i, ++digits;
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && is_digit(body[i]))
            ++i, ++digits;
    }
    if (digits == 0) return not_a_number;
    std::string_view mantissa = body.substr(0, i);

    // Exponent: e or E, an optional sign, at least one digit.
    long long exponent = 0;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        ++i;
        bool exponent_negative = false;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
            exponent_negative = body[i] == '-';
            ++i;
        }
        size_t exponent_digits = 0;
        while (i < body.size() && is_digit(body[i])) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (body[i] - '0');
            ++i, ++exponent_digits;
        }
        if (exponent_digits == 0) return not_a_number;
        if (exponent_negative) exponent = -exponent;
    }
    if (i != body.size()) return not_a_number;

    double value = 0.0;
    auto [ptr, ec] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        value = out_of_range_value(mantissa, exponent, false);
    } else if (ec != std::errc() || ptr != body.data() + body.size()) {
        return not_a_number;
    }
    return {FieldText::Number, negative ? -value : value};
}

std::string real_to_text(double value)
{
    if (std::isnan(value)) return std::signbit(value) ? "-NAN" : "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    constexpr int significant = 10;
    // Scientific form with the digits rounded first: its exponent decides the style, as the
    // general format does.
    char sci[64];
    auto sci_end =
        std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, significant - 1)
            .ptr;
    std::string_view s(sci, static_cast<size_t>(sci_end - sci));
    size_t e_pos = s.find('e');
    int exponent = 0;
    std::from_chars(s.data() + e_pos + 1 + (s[e_pos + 1] == '+' ? 1 : 0), s.data() + s.size(),
                    exponent);

    auto strip_zeros = [](std::string& digits) {
        if (digits.find('.') == std::string::npos) return;
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        if (!digits.empty() && digits.back() == '.') digits.pop_back();
    };

    if (exponent < -4 || exponent >= significant) {
        std::string mantissa(s.substr(0, e_pos));
        strip_zeros(mantissa);
        int magnitude = exponent < 0 ? -exponent : exponent;
        mantissa += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) mantissa += '0';
        mantissa += std::to_string(magnitude);
        return mantissa;
    }
    char fixed[400];
    auto fixed_end = std::to_chars(fixed, fixed + sizeof fixed, value, std::chars_format::fixed,
                                   significant - 1 - exponent)
                         .ptr;
    std::string text(fixed, fixed_end);
    strip_zeros(text);
    return text;
}

std::string exponent_text(double value)
{
    char buffer[64];
    auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 5).ptr;
    std::string text(buffer, end);
    // Upper case throughout, as real_to_text writes: E, and INF and NAN should they come.
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace zarn
