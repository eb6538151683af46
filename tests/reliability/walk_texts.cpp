#include "tests/reliability/walk_texts.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zarn::reliability {
namespace {

using Random = std::mt19937_64;

std::uint64_t below(Random& random, std::uint64_t n)
{
    return random() % n;
}

template <size_t N>
std::string_view one_of(Random& random, const std::array<std::string_view, N>& a)
{
    return a[below(random, N)];
}

std::string digits(Random& random, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += char('0' + below(random, 10));
    return text;
}

// An everyday value: an integer or a decimal, maybe signed, maybe with an exponent.
std::string plain_number(Random& random)
{
    std::string text = below(random, 4) == 0 ? "-" : (below(random, 10) == 0 ? "+" : "");
    text += below(random, 6) == 0 ? "0" : std::to_string(below(random, 100000));
    if (below(random, 2)) text += "." + digits(random, below(random, 7));
    if (below(random, 8) == 0)
        text += std::string(below(random, 2) ? "e" : "E") + (below(random, 2) ? "-" : "") +
                std::to_string(below(random, 12));
    return text;
}

// Values where the display rules change or the double range ends.
std::string boundary_number(Random& random)
{
    static constexpr std::array<std::string_view, 32> texts = {
        "9999999",
        "9999999.0004",
        "9999999.0005",
        "9999999.001",
        "-9999999.0005",
        "10000000",
        "0.0005",
        "-0.0005",
        "-0.0015",
        "0.0001",
        "0.00009999",
        "0.000012345",
        "1234567.891234",
        "9999999999",
        "1e10",
        "-1.5e10",
        "1.7976931348623157e308",
        "-1.7976931348623157e308",
        "1.797693134862315e308",
        "1e308",
        "1e307",
        "4.9e-324",
        "2.2250738585072014e-308",
        "1e-320",
        "0",
        "-0",
        ".5",
        "5.",
        "+.5",
        "-.0",
        "0e999999999",
        "1e-999",
    };
    return std::string(one_of(random, texts));
}

// A huge or tiny value: a few digits times ten to a large power of either sign.
std::string extreme_number(Random& random)
{
    std::string text = below(random, 3) == 0 ? "-" : "";
    text += std::to_string(1 + below(random, 9)) + "." + digits(random, 1 + below(random, 8));
    const int exponent = int(below(random, 340));
    text += (below(random, 2) ? "e" : "E") + std::string(below(random, 2) ? "-" : "+") +
            std::to_string(exponent);
    return text;
}

std::string word(Random& random)
{
    static constexpr std::array<std::string_view, 12> words = {
        "NAN", "nan", "NaN", "-nan", "+NAN", "INF", "inf", "-INF", "+Inf", "-inf", " nan ", "\tINF",
    };
    return std::string(one_of(random, words));
}

// Text that is no number: typing slips, other notations, other scripts, symbols.
std::string junk(Random& random)
{
    static constexpr std::array<std::string_view, 36> texts = {
        "abc",
        "1,5",
        "1.234,5",
        "1 000",
        "12a",
        "25x",
        "--1",
        "+-1",
        ".",
        "-",
        "+",
        "e5",
        "1e",
        "1e+",
        "1.2.3",
        "0x10",
        "0x1p3",
        "infinity",
        "nan(1)",
        "1e5.5",
        "1_000",
        "\xd9\xa1\xd9\xa2",         // Arabic-Indic digits
        "\xef\xbc\x91\xef\xbc\x92", // full-width digits
        "\xe2\x88\x92"
        "5",                // a minus sign that is not a hyphen
        "\xc2\xbd",         // one half
        "\xe2\x88\x9e",     // infinity sign
        "\xf0\x9f\x98\x80", // an emoji
        "5\xc2\xb0"
        "F", // 5 degF
        "=1+1",
        "%s%n",
        "'; --",
        "<b>5</b>",
        "\\0",
        "NULL",
        "\xc4\xb0NF", // a dotted capital I
        "\xc4\xb1nf", // a dotless small i
    };
    if (below(random, 4) == 0) {
        std::string text;
        for (size_t i = 0, n = 1 + below(random, 20); i < n; ++i)
            text += char(0x20 + below(random, 0x5f)); // printable ASCII
        return text;
    }
    return std::string(one_of(random, texts));
}

std::string blanks(Random& random)
{
    static constexpr std::array<std::string_view, 5> texts = {"", " ", "\t", "   ", " \t "};
    return std::string(one_of(random, texts));
}

// One to four kilobytes.
std::string long_text(Random& random)
{
    const size_t size = 1024 + below(random, 3 * 1024);
    switch (below(random, 6)) {
    case 0:
        return digits(random, size);
    case 1:
        return digits(random, size / 2) + "." + digits(random, size / 2);
    case 2:
        return "0." + std::string(size, '0') + "1e" + std::to_string(size);
    case 3:
        return std::string(size, ' ') + plain_number(random) + std::string(size / 4, '\t');
    case 4:
        return digits(random, size) + "e-" + std::to_string(size + 300);
    default: {
        std::string text;
        while (text.size() < size)
            text += junk(random);
        return text;
    }
    }
}

} // namespace

std::string random_field_text(Random& random)
{
    const auto roll = below(random, 100);
    if (roll < 38) return plain_number(random);
    if (roll < 48) return boundary_number(random);
    if (roll < 58) return extreme_number(random);
    if (roll < 63) return word(random);
    if (roll < 78) return junk(random);
    if (roll < 86) return blanks(random);
    if (roll < 92) return long_text(random);
    return blanks(random) + plain_number(random) + blanks(random);
}

} // namespace zarn::reliability
