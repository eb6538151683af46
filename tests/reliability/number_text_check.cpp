#include "tests/reliability/number_text_check.h"

#include "platform/number_text.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>

namespace zarn::reliability {
namespace {

// ---- The oracle -------------------------------------------------------------------------

locale_t c_locale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

// printf in the "C" locale, whatever locale the process has chosen.
std::string c_printf(const char* format, double value)
{
    const locale_t previous = uselocale(c_locale());
    char text[512];
    std::snprintf(text, sizeof text, format, value);
    uselocale(previous);
    return text;
}

// strtod in the "C" locale over the whole text; `whole` tells whether it used every char.
double c_strtod(const std::string& text, bool* whole)
{
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, c_locale());
    *whole = end == text.c_str() + text.size();
    return value;
}

// The reading rule's grammar as a state machine over classes of characters: blanks, an
// optional sign, digits with at most one point (at least one digit in all), an optional
// exponent (e or E, an optional sign, at least one digit), blanks.
enum CharClass { c_blank, c_sign, c_digit, c_point, c_exponent, c_other };
enum State {
    s_lead,        // blanks before anything
    s_sign,        // after the sign
    s_whole,       // digits before a point
    s_point_after, // a point after digits
    s_point_alone, // a point with no digit before it
    s_fraction,    // digits after the point
    s_e,           // the exponent's letter
    s_e_sign,      // the exponent's sign
    s_e_digits,    // the exponent's digits
    s_trail,       // blanks after the number
    s_reject,
};

CharClass class_of(unsigned char c)
{
    if (c == ' ' || c == '\t') return c_blank;
    if (c == '+' || c == '-') return c_sign;
    if (c >= '0' && c <= '9') return c_digit;
    if (c == '.') return c_point;
    if (c == 'e' || c == 'E') return c_exponent;
    return c_other;
}

// clang-format off
constexpr State next_state[][6] = {
    //              blank      sign        digit        point          exponent   other
    /* lead */    {s_lead,   s_sign,     s_whole,     s_point_alone, s_reject,  s_reject},
    /* sign */    {s_reject, s_reject,   s_whole,     s_point_alone, s_reject,  s_reject},
    /* whole */   {s_trail,  s_reject,   s_whole,     s_point_after, s_e,       s_reject},
    /* point */   {s_trail,  s_reject,   s_fraction,  s_reject,      s_e,       s_reject},
    /* .alone */  {s_reject, s_reject,   s_fraction,  s_reject,      s_reject,  s_reject},
    /* frac */    {s_trail,  s_reject,   s_fraction,  s_reject,      s_e,       s_reject},
    /* e */       {s_reject, s_e_sign,   s_e_digits,  s_reject,      s_reject,  s_reject},
    /* e sign */  {s_reject, s_reject,   s_e_digits,  s_reject,      s_reject,  s_reject},
    /* e digit */ {s_trail,  s_reject,   s_e_digits,  s_reject,      s_reject,  s_reject},
    /* trail */   {s_trail,  s_reject,   s_reject,    s_reject,      s_reject,  s_reject},
};
// clang-format on

bool accepting(State s)
{
    return s == s_whole || s == s_point_after || s == s_fraction || s == s_e_digits || s == s_trail;
}

std::string_view without_blanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// NAN or INF in any case after an optional sign, blanks around.
bool is_word(std::string_view text)
{
    std::string_view body = without_blanks(text);
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) body.remove_prefix(1);
    if (body.size() != 3) return false;
    std::string lower(body);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower == "nan" || lower == "inf";
}

struct Expected {
    FieldText::Kind kind;
    double value;
};

Expected oracle_reading(std::string_view text)
{
    State state = s_lead;
    for (unsigned char c : text) {
        state = next_state[state][class_of(c)];
        if (state == s_reject) break;
    }
    if (state == s_lead) return {FieldText::Blank, 0};
    if (!accepting(state) && !is_word(text)) return {FieldText::NotANumber, 0};
    bool whole = false;
    const double value = c_strtod(std::string(without_blanks(text)), &whole);
    if (!whole) return {FieldText::NotANumber, 0};
    return {FieldText::Number, value};
}

// ---- Reporting --------------------------------------------------------------------------

std::string shown(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text.substr(0, 200)) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out += char(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        }
    }
    out += text.size() > 200 ? "\"... (" + std::to_string(text.size()) + " bytes)" : "\"";
    return out;
}

[[noreturn]] void mismatch(const std::string& what, const std::string& expected,
                           const std::string& received)
{
    std::fprintf(stderr, "number text mismatch: %s\n  expected: %s\n  received: %s\n", what.c_str(),
                 expected.c_str(), received.c_str());
    std::abort();
}

const char* kind_name(FieldText::Kind kind)
{
    switch (kind) {
    case FieldText::Blank:
        return "blank";
    case FieldText::Number:
        return "number";
    case FieldText::NotANumber:
        break;
    }
    return "not a number";
}

std::string bits(double value)
{
    return c_printf("%.17G", value) + " (" + c_printf("%A", value) + ")";
}

bool same_double(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// ---- The checks -------------------------------------------------------------------------

void check_reading(std::string_view text)
{
    const Expected expected = oracle_reading(text);
    const FieldText read = read_field_text(text);
    if (read.kind != expected.kind)
        mismatch("reading " + shown(text), kind_name(expected.kind), kind_name(read.kind));
    if (read.kind == FieldText::Number && !same_double(read.value, expected.value))
        mismatch("reading " + shown(text), bits(expected.value), bits(read.value));
}

// What the program writes for a value: ten significant digits in the general format, and
// the conversion sheets' exponent text; both read back as the value they show.
void check_writing(double value)
{
    const std::string text = real_to_text(value);
    const std::string expected = c_printf("%.10G", value);
    if (text != expected) mismatch("real_to_text of " + bits(value), expected, text);

    const FieldText back = read_field_text(text);
    if (back.kind != FieldText::Number)
        mismatch("reading back " + shown(text), "number", kind_name(back.kind));
    bool whole = false;
    const double ten_digits = c_strtod(c_printf("%.9E", value), &whole);
    if (!same_double(back.value, ten_digits))
        mismatch("reading back " + shown(text), bits(ten_digits), bits(back.value));
    // Written again, the value read back gives the same text; except that the ten-digit
    // text of the very largest doubles (1.797693135E+308) lies beyond them and reads as
    // infinity, as any correct reading must.
    const bool beyond_range = std::isfinite(value) && std::isinf(back.value);
    if (!beyond_range && real_to_text(back.value) != text)
        mismatch("writing again " + shown(text), text, real_to_text(back.value));

    const std::string exponent = exponent_text(value);
    const std::string expected_exponent = c_printf("%1.5E", value);
    if (exponent != expected_exponent)
        mismatch("exponent_text of " + bits(value), expected_exponent, exponent);
    const FieldText exponent_back = read_field_text(exponent);
    if (exponent_back.kind != FieldText::Number)
        mismatch("reading back " + shown(exponent), "number", kind_name(exponent_back.kind));
}

} // namespace

void check_number_text(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_reading(text);
    // The same text behind one to four kilobytes of zeros, where it starts with a digit or
    // a point: long texts of digits, which the fuzzer's short inputs seldom reach.
    if (size > 0 && (class_of(data[0]) == c_digit || class_of(data[0]) == c_point))
        check_reading(std::string(1024 + data[0] * 12, '0') + std::string(text));
    const FieldText read = read_field_text(text);
    if (read.kind == FieldText::Number) check_writing(read.value);
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        check_writing(value);
    }
}

} // namespace zarn::reliability

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zarn::reliability::check_number_text(data, size);
    return 0;
}
