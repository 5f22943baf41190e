#include "numbertext.h"
#include "result_shape.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace vornik {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
    const char* name;
    std::string text;
    double want;
};

// Compared bit for bit, so that -0 and the last bit of a rounding count.
const ParseCase kParseCases[] = {
    {"default text 0", "0", 0.0},
    {"default text 0.8", "0.8", 0.8},
    {"default text 0.85", "0.85", 0.85},
    {"default text 1", "1", 1.0},
    {"empty text", "", 0.0},
    {"letters", "abc", 0.0},
    {"sign alone", "-", 0.0},
    {"plus alone", "+", 0.0},
    {"point alone", ".", 0.0},
    {"sign and point", "-.", 0.0},
    {"exponent without mantissa", ".e5", 0.0},
    {"integer", "12", 12.0},
    {"decimal", "12.5", 12.5},
    {"no integer part", ".5", 0.5},
    {"no fraction digits", "5.", 5.0},
    {"negative", "-0.8", -0.8},
    {"plus sign", "+3", 3.0},
    {"negative zero keeps its sign", "-0", -0.0},
    {"leading zeros", "000123", 123.0},
    {"second point ends the number", "1.2.3", 1.2},
    {"trailing letters", "12abc", 12.0},
    {"blank inside ends the number", "1 000", 1.0},
    {"comma is not a point", "1,5", 1.0},
    {"leading blanks and tab", "  \t42", 42.0},
    {"leading ideographic space", "\u3000" "42", 42.0},
    {"blank after the sign ends it", "- 5", 0.0},
    {"exponent", "1e3", 1000.0},
    {"capital exponent with sign", "1E-3", 0.001},
    {"exponent with plus", "2e+2", 200.0},
    {"e without digits ends before the e", "1e", 1.0},
    {"e and sign without digits", "1e+", 1.0},
    {"e followed by a letter", "1ex", 1.0},
    {"blank after e", "1e 5", 1.0},
    {"no hexadecimal prefix", "0x10", 0.0},
    {"no binary prefix", "0b1", 0.0},
    {"inf is not a number", "inf", 0.0},
    {"nan is not a number", "nan", 0.0},
    {"full-width digits and point", "\uFF11\uFF12\uFF0E\uFF15", 12.5},
    {"full-width minus", "\uFF0D\uFF13", -3.0},
    {"full-width plus", "\uFF0B\uFF14", 4.0},
    {"full-width e", "\uFF11\uFF45\uFF13", 1000.0},
    {"full-width E and minus", "\uFF11\uFF25\uFF0D\uFF12", 0.01},
    {"full-width and ASCII mixed", "1\uFF12.\uFF15", 12.5},
    {"other full-width letters end it", "\uFF17\uFF41", 7.0},
    {"beyond the double range", "1e400", kInf},
    {"beyond the range, negative", "-1e400", -kInf},
    {"below the double range", "1e-400", 0.0},
    {"below the range keeps the sign", "-1e-400", -0.0},
    {"huge exponent", "1e99999999999999999999", kInf},
    {"huge negative exponent", "5e-99999999999999999999", 0.0},
    {"leading fraction zeros pull it back into range", "0.00001e310", 1e305},
    {"many integer digits push it past the range", "1000000000e300", kInf},
    {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"smallest subnormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    {"correctly rounded tie to even", "9007199254740993", 9007199254740992.0},
    {"correctly rounded above the tie", "9007199254740993.0000000001", 9007199254740994.0},
    {"invalid UTF-8 first", "\xff" "1", 0.0},
    {"invalid UTF-8 after the number", "1\xff", 1.0},
    {"truncated full-width digit", "\xef\xbc", 0.0},
    {"truncated full-width digit after a number", "1\xef\xbc", 1.0},
    {"embedded NUL ends the number", std::string("1\0" "2", 3), 1.0},
    {"leading NUL", std::string("\0" "5", 2), 0.0},
};

TEST(ParseNumberText, ReadsTheNumberAtTheStart) {
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(c.name);
        const double got = parseNumberText(c.text);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(c.want))
            << "got " << got << ", want " << c.want;
    }
}

// prefix, then count copies of fill, then suffix (built by append: GCC 12
// warns falsely on operator+ with a long temporary string).
std::string run(std::string_view prefix, std::size_t count, std::string_view fill, std::string_view suffix) {
    std::string s(prefix);
    for (std::size_t i = 0; i < count; ++i) {
        s.append(fill);
    }
    s.append(suffix);
    return s;
}

TEST(ParseNumberText, LongTexts) {
    const std::size_t n = 100'000;
    const ParseCase cases[] = {
        {"a hundred thousand letters", run("", n, "x", ""), 0.0},
        {"a hundred thousand nines", run("", n, "9", ""), kInf},
        {"one and many zeros", run("1", n, "0", ""), kInf},
        {"many fraction zeros then a digit", run("0.", n, "0", "1"), 0.0},
        {"many fraction zeros and a balancing exponent", run("0.", n, "0", "125e100001"), 1.25},
        {"many blanks before the number", run("", n, " ", "7"), 7.0},
        {"many full-width zeros", run("", n / 3, "\uFF10", "\uFF12"), 2.0},
        {"many digits rounded correctly", run("0.1", n, "0", "1"), 0.1},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parseNumberText(c.text), c.want);
    }
}

struct FormatCase {
    const char* name;
    float value;
    const char* want;
};

const FormatCase kFormatCases[] = {
    {"zero", 0.0f, "0.000"},
    {"negative zero has no sign", -0.0f, "0.000"},
    {"whole number", 80.0f, "80.000"},
    {"rounds down", 427.80746f, "427.807"},
    {"rounds up", 49.57954f, "49.580"},
    {"shortest digits, not the binary value", 7.8749995f, "7.875"},
    {"negative", -80.0f, "-80.000"},
    {"small value shows as zero", 0.0004f, "0.000"},
    {"small negative shows as zero without sign", -0.0004f, "0.000"},
    {"half a thousandth rounds away from zero", 0.0005f, "0.001"},
    {"tie above 2", 2.0005f, "2.001"},
    {"tie below -2", -2.0005f, "-2.001"},
    {"tie at 1.0005", 1.0005f, "1.001"},
    {"carry into the integer part", 0.9995f, "1.000"},
    {"carry adds a digit", 999.9995f, "1000.000"},
    {"carry through nines", 9.9995f, "10.000"},
    {"just below a tie", 0.00049999f, "0.000"},
    {"below one", 0.5f, "0.500"},
    {"seven digits", 1e7f, "10000000.000"},
    {"shortest digits padded with zeros", 123456789.0f, "123456790.000"},
    {"largest float written in full", 3.4028235e38f, "340282350000000000000000000000000000000.000"},
    {"lowest float", -3.4028235e38f, "-340282350000000000000000000000000000000.000"},
    {"smallest subnormal", 1e-45f, "0.000"},
    {"negative subnormal", -1e-45f, "0.000"},
    {"infinity", std::numeric_limits<float>::infinity(), "∞"},
    {"negative infinity", -std::numeric_limits<float>::infinity(), "-∞"},
    {"not a number", std::numeric_limits<float>::quiet_NaN(), "NaN"},
};

TEST(FormatResult, WritesThreeDecimals) {
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatResult(c.value), c.want);
    }
}

// Across the whole float range: the text has the pattern's shape, reads back
// within half a thousandth of the value (up to the float's own precision),
// and never shows -0.000.
TEST(FormatResult, AgreesWithTheValueAcrossTheRange) {
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 0x10001) {
        const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = formatResult(value);
        SCOPED_TRACE(text);
        ASSERT_TRUE(hasResultShape(text));
        const double back = parseNumberText(text);
        const double exact = static_cast<double>(value);
        EXPECT_LE(std::fabs(back - exact), 0.0005 + std::fabs(exact) * 1e-7);
    }
}

}  // namespace
}  // namespace vornik
