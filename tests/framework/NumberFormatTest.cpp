// Format, CDbl and ToInt32 under the C and the German number locale.
#include "framework/NumberFormat.h"
#include "tests/support/ProgramPatterns.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using fw::CDbl;
using fw::Format;
using fw::NumberLocale;

const NumberLocale kC = NumberLocale::c();
const NumberLocale kGerman = NumberLocale::german();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();


// Pins the process-wide locale and the locale variables for a test and restores them afterwards.
class NumberLocaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kVariables)
            if (const char* value = std::getenv(name))
                saved_.emplace_back(name, value);
    }
    void TearDown() override
    {
        for (const char* name : kVariables)
            unsetenv(name);
        for (const auto& [name, value] : saved_)
            setenv(name.c_str(), value.c_str(), 1);
        fw::SetNumberLocale(locale_);
    }
    static void setVariables(const char* all, const char* numeric, const char* lang)
    {
        const char* values[] = {all, numeric, lang};
        for (int i = 0; i < 3; ++i)
            values[i] ? setenv(kVariables[i], values[i], 1) : unsetenv(kVariables[i]);
    }
    static constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::vector<std::pair<std::string, std::string>> saved_;
    NumberLocale locale_ = fw::CurrentNumberLocale();
};

struct FormatRow {
    double value;
    std::string_view pattern;
    std::string_view c;
    std::string_view german;
};

void expectFormats(const std::vector<FormatRow>& rows)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " under \"" << row.pattern << "\"");
        EXPECT_EQ(Format(row.value, row.pattern, kC), row.c);
        EXPECT_EQ(Format(row.value, row.pattern, kGerman), row.german);
    }
}

TEST(FormatTest, ProgramPatterns)
{
    expectFormats({
        {1266.4267241379312, kEuroPattern, "1,266.43 €", "1.266,43 €"},
        {102.58620689655172, kEuroPattern, "102.59 €", "102,59 €"},
        {0, kEuroPattern, "0.00 €", "0,00 €"},
        {-1234.5, kEuroPattern, "-1,234.50 €", "-1.234,50 €"},
        {13.571428571428573, "######.00", "13.57", "13,57"},
        {-33.00000000000001, "#####.00;-#####.00", "-33.00", "-33,00"},
        {33, "#####.00;-#####.00", "33.00", "33,00"},
        {10, "######", "10", "10"},
        {-7.5, "#####", "-8", "-8"},
        {-26.315789473684216, "#####.00\\%;-#####.00\\%", "-26.32%", "-26,32%"},
        {19, "#####.00\\%", "19.00%", "19,00%"},
        {-19, "#####.00\\%", "-19.00%", "-19,00%"},
        {7.25, "######.00\\%;-######.00\\%", "7.25%", "7,25%"},
        {-1234567.125, "#####.00\\%;-######.00\\%", "-1234567.13%", "-1234567,13%"},
        {12.5, "#####.00\\%;-#####.00\\%;", "12.50%", "12,50%"},
        {0, "#####.00\\%;-#####.00\\%;", "", ""},
        {-0.004, "#####.00\\%;-#####.00\\%;", "", ""},
    });
}

TEST(FormatTest, RoundsHalvesOfTheShortestDecimalAwayFromZero)
{
    expectFormats({
        {2.675, "0.00", "2.68", "2,68"},
        {1.005, "0.00", "1.01", "1,01"},
        {0.125, "0.00", "0.13", "0,13"},
        {-0.125, "0.00", "-0.13", "-0,13"},
        {-2.5, "0", "-3", "-3"},
        {2.4999999999999996, "0", "2", "2"},
        {9.995, "0.00", "10.00", "10,00"},
        {999999.995, kEuroPattern, "1,000,000.00 €", "1.000.000,00 €"},
        {0.5, "######", "1", "1"},
        {1e-300, "0.00", "0.00", "0,00"},
        {0.0049999, "0.00", "0.00", "0,00"},
        {99.5, "#####", "100", "100"},
    });
}

TEST(FormatTest, ZeroNeverShowsAMinusAndUsesTheZeroSection)
{
    expectFormats({
        {-0.0, "0.00", "0.00", "0,00"},
        {-0.001, "0.00", "0.00", "0,00"},
        {-0.004, "0.00;(0.00)", "0.00", "0,00"},
        {-0.006, "0.00;(0.00)", "(0.01)", "(0,01)"},
        {-0.4, "#####", "", ""},
        {0.004, "0.00;-0.00;nil", "nil", "nil"},
        {-0.004, "0.00;-0.00;nil", "nil", "nil"},
        {0.004, "0.000;-0.000;nil", "0.004", "0,004"}, // the positive section's places decide
        {0, "0;-0;", "", ""},
    });
}

TEST(FormatTest, IntegerDigitsAreNeverCutAndGroupByThree)
{
    expectFormats({
        {1234567.891, "###.00", "1234567.89", "1234567,89"},
        {1234567.891, "###,##0.00", "1,234,567.89", "1.234.567,89"},
        {1234567.891, ".0", "1234567.9", "1234567,9"},
        {123, "#,##0", "123", "123"},
        {1234, "#,##0", "1,234", "1.234"},
        {0.5, "######.00", ".50", ",50"},
        {0, "######.00", ".00", ",00"},
        {0, "###,##0.00", "0.00", "0,00"},
        {7, "000", "007", "007"},
        {7, "#0#", "07", "07"},
        {5, "0.##", "5.", "5,"},
        {5.25, "0.0##", "5.25", "5,25"},
        {5.2, "0.0##", "5.2", "5,2"},
    });
    const std::string huge = Format(1e308, "######.00", kC);
    EXPECT_EQ(huge, std::string("1").append(308, '0').append(".00"));
    EXPECT_EQ(Format(-1e308, "###,##0", kGerman).size(), 1 + 309 + 102u);
    EXPECT_EQ(Format(-1e308, "###,##0", kGerman).substr(0, 9), "-100.000.");
}

TEST(FormatTest, InfinityAndNaNStandInPlaceOfTheDigits)
{
    expectFormats({
        {kInf, "#####.00\\%;-#####.00\\%", "∞%", "∞%"},
        {-kInf, "#####.00\\%;-#####.00\\%", "-∞%", "-∞%"},
        {-kInf, "######.00", "-∞", "-∞"},
        {kInf, kEuroPattern, "∞ €", "∞ €"},
        {-kInf, "#####.00\\%;-#####.00\\%;", "-∞%", "-∞%"},
        {kNaN, "#####.00\\%;-#####.00\\%;", "–%", "–%"},
        {-kNaN, "######.00", "–", "–"},
        {kInf, ".00", "∞", "∞"},
        {kNaN, "", "–", "–"},
    });
}

TEST(FormatTest, LiteralsEscapesAndOddPatterns)
{
    expectFormats({
        {3.5, "€ 0.00", "€ 3.50", "€ 3,50"},
        {3.5, "0.00 \\€ \\#\\0\\;\\\\", "3.50 € #0;\\", "3,50 € #0;\\"},
        {-3.5, "(0)", "-(4)", "-(4)"},
        {3, "0\\", "3", "3"},
        {3, "0 \xFF\xC3", "3 \xFF\xC3", "3 \xFF\xC3"},
        {3, "\\\xC3;0", "\xC3", "\xC3"}, // a broken escape does not swallow the ';'
        {3, ",0, ", ",3, ", ",3, "},
        {3, "no number.", "no number.", "no number."},
        {-3, "no number", "-no number", "-no number"},
        {1.5, "", "1.5", "1,5"},
        {-1.5, ";x", "x", "x"},
        {-1.5, "0.0;", "-1.5", "-1,5"},
        {0, "0;-0;z;ignored", "z", "z"},
        {12345.5, "#-##-#.0", "12-34-5.5", "12-34-5,5"},
    });
}

// Reading a formatted number back gives the displayed value: the same under both locales and
// formatting to the same text again.
void expectRoundTrip(double value, std::string_view pattern)
{
    const double readC = CDbl(Format(value, pattern, kC), kC);
    const double readGerman = CDbl(Format(value, pattern, kGerman), kGerman);
    SCOPED_TRACE(testing::Message() << value << " under \"" << pattern << "\" "
                                    << Format(value, pattern, kC));
    ASSERT_FALSE(std::isnan(readC));
    EXPECT_EQ(readC, readGerman);
    EXPECT_EQ(Format(readC, pattern, kC), Format(value, pattern, kC));
    // Off by at most half the last shown place, plus the spacing of doubles near the value.
    const double halfPlace = pattern.find('.') == std::string_view::npos ? 0.5 : 0.005;
    if (std::isfinite(value) && std::fabs(value) < 1e15) {
        const double spacing = std::nextafter(std::fabs(value), kInf) - std::fabs(value);
        EXPECT_LE(std::fabs(readC - value), halfPlace + 2 * spacing);
    }
}

TEST(FormatRoundTripTest, ProgramPatternsReadBackUnderBothLocales)
{
    const double values[] = {
        0,     -0.0,    0.004, -0.004,      0.005,  -0.005, 2.675,  1.005,  13.571428571428573,
        -26.3, 1266.43, 999.5, -999999.995, 1e15,   -3e17,  1e308,  5e-324, 123456789.125,
        0.5,   -0.5,    7,     -33.0000001, 1e-310, 4.4e20, -1e100, 0.995};
    for (std::string_view pattern : kProgramPatterns)
        for (double value : values)
            expectRoundTrip(value, pattern);
}

TEST(FormatRoundTripTest, SeededSweepOfArbitraryDoubles)
{
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const double value = i % 2 ? std::bit_cast<double>(random())
                                   : std::ldexp(std::uniform_real_distribution<>(-1, 1)(random), i % 80 - 20);
        if (std::isnan(value))
            continue;
        expectRoundTrip(value, kProgramPatterns[static_cast<std::size_t>(i) % kProgramPatterns.size()]);
    }
}

// Cents away from a half give a text known in advance, which from_chars reads independently.
TEST(FormatRoundTripTest, SeededSweepAgainstWholeCents)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t cents = random() % 100'000'000'000'000;
        const double fraction = std::uniform_real_distribution<>(0, 0.9)(random);
        const bool negative = random() % 2;
        const double value =
            (negative ? -1 : 1) * (static_cast<double>(cents) + fraction + (fraction > 0.45 ? 0.1 : 0)) / 100;
        const std::uint64_t shown = cents + (fraction > 0.45 ? 1 : 0);
        std::string integer = std::to_string(shown / 100);
        for (auto at = static_cast<std::ptrdiff_t>(integer.size()) - 3; at > 0; at -= 3)
            integer.insert(static_cast<std::size_t>(at), 1, ',');
        const std::string cc = std::to_string(100 + shown % 100).substr(1);
        const std::string sign = negative && shown > 0 ? "-" : "";
        const std::string text = sign + integer + "." + cc + " €";
        SCOPED_TRACE(text);
        ASSERT_EQ(Format(value, kEuroPattern, kC), text);
        double expected = 0;
        const std::string plain = sign + std::to_string(shown / 100) + "." + cc;
        std::from_chars(plain.data(), plain.data() + plain.size(), expected);
        EXPECT_EQ(CDbl(text, kC), expected);
        EXPECT_EQ(CDbl(Format(value, kEuroPattern, kGerman), kGerman), expected);
    }
}

TEST(CDblTest, ReadsTheLeadingNumberOfAText)
{
    struct Row {
        std::string_view text;
        double c;
        double german;
    };
    // Without a ',' the '.' is the decimal point under German; "1\0005" is 1, NUL, 5.
    const Row rows[] = {{"12,50 €", 1250, 12.5},
                        {"30,00%", 3000, 30},
                        {"1.266,43 €", 1.266, 1266.43},
                        {"1,266.43 €", 1266.43, 1.266},
                        {"12.5", 12.5, 12.5},
                        {"1.234.567", 1.234, 1.234},
                        {" \t-3.5e2x", -350, -350},
                        {"+7", 7, 7},
                        {".50", 0.5, 0.5},
                        {",50", 0, 0.5},
                        {"5.", 5, 5},
                        {"5.e3", 5000, 5000},
                        {"5,e3", 5, 5000},
                        {".e3", 0, 0},
                        {"2E3", 2000, 2000},
                        {"1e", 1, 1},
                        {"1e+", 1, 1},
                        {"1 000", 1, 1},
                        {"12\xF0\x9F\x98\x80", 12, 12},
                        {std::string_view("1\0005", 3), 1, 1},
                        {"", 0, 0},
                        {"abc", 0, 0},
                        {"-", 0, 0},
                        {",", 0, 0},
                        {".", 0, 0},
                        {"€", 0, 0},
                        {"\xF0\x9F\x98\x80 12", 0, 0},
                        {"∞%", 0, 0},
                        {"-∞%", 0, 0},
                        {"nan", 0, 0},
                        {"inf", 0, 0},
                        {"-infinity", 0, 0},
                        {"0x1A", 0, 0},
                        {"1e400", kInf, kInf},
                        {"-1e400", -kInf, -kInf},
                        {"1e-400", 0, 0},
                        {"1e999999999999999999999", kInf, kInf},
                        {"-1e-999999999999999999999", 0, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(CDbl(row.text, kC), row.c);
        EXPECT_EQ(CDbl(row.text, kGerman), row.german);
    }
    EXPECT_TRUE(std::signbit(CDbl("-1e-400", kC)));
}

// Random decimals of up to 40 digits, some grouped, read exactly as from_chars reads them plainly.
TEST(CDblTest, AgreesWithFromCharsOnRandomDecimals)
{
    std::mt19937_64 random(99);
    for (int i = 0; i < 50000; ++i) {
        std::string integer = std::to_string(random() % 1'000'000'000'000) + std::to_string(random());
        integer.resize(1 + random() % integer.size());
        std::string fraction = std::to_string(random());
        fraction.resize(random() % fraction.size());
        const std::string exponent =
            i % 3 ? "" : std::string("e").append(std::to_string(static_cast<int>(random() % 80) - 40));
        const std::string plain = integer + "." + fraction + exponent;
        double expected = 0;
        std::from_chars(plain.data(), plain.data() + plain.size(), expected);
        std::string grouped = integer;
        for (auto at = static_cast<std::ptrdiff_t>(grouped.size()) - 3; at > 0 && i % 2; at -= 3)
            grouped.insert(static_cast<std::size_t>(at), 1, '.');
        SCOPED_TRACE(plain);
        ASSERT_EQ(CDbl(plain + " x", kC), expected);
        ASSERT_EQ(CDbl("-" + grouped + "," + fraction + exponent, kGerman), -expected);
    }
}

TEST(CDblTest, LongTextsReadExactlyAndInLinearTime)
{
    EXPECT_EQ(CDbl(std::string(10'000, '3') + "e-9999", kC), 10.0 / 3);
    EXPECT_EQ(CDbl("0," + std::string(10'000, '3') + " €", kGerman), 1.0 / 3);
    EXPECT_EQ(CDbl(std::string("1").append(9'999, '0'), kC), kInf);
    EXPECT_EQ(CDbl("-0." + std::string(9'999, '0') + "1", kC), 0);
    EXPECT_EQ(CDbl(std::string(10'000, '0') + "42", kC), 42);
    std::string grouped = "1";
    for (int i = 0; i < 300'000; ++i)
        grouped += ".000";
    EXPECT_EQ(CDbl(grouped + ",5 €", kGerman), kInf);
    EXPECT_EQ(CDbl(grouped + "e-900000", kGerman), 1.0); // no ',' so the first '.' is the point
}

TEST(ToInt32Test, RoundsHalfAwayFromZeroAndSaturates)
{
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    const std::pair<double, std::int32_t> rows[] = {
        {2.5, 3},
        {-2.5, -3},
        {0.49999999999999994, 0},
        {-0.4, 0},
        {2147483646.5, max},
        {2147483647.4, max},
        {-2147483647.5, min},
        {-2147483648.4, min},
        {CDbl("1e20", kC), max},
        {CDbl("-1e20", kC), min},
        {kInf, max},
        {-kInf, min},
        {kNaN, 0},
        {-kNaN, 0},
        {1e-320, 0},
        {-1234.5, -1235},
    };
    for (const auto& [value, expected] : rows)
        EXPECT_EQ(fw::ToInt32(value), expected) << value;
}

TEST_F(NumberLocaleTest, FirstSetVariableDecides)
{
    setVariables("de_DE.UTF-8", "C", "C");
    EXPECT_EQ(NumberLocale::fromEnvironment().decimalSeparator, ',');
    setVariables("", "de_AT", "C");
    EXPECT_EQ(NumberLocale::fromEnvironment().decimalSeparator, ',');
    setVariables(nullptr, "en_US.UTF-8", "de_DE");
    EXPECT_EQ(NumberLocale::fromEnvironment().decimalSeparator, '.');
    setVariables(nullptr, nullptr, "de");
    EXPECT_EQ(NumberLocale::fromEnvironment().groupingSeparator, '.');
    setVariables(nullptr, nullptr, nullptr);
    EXPECT_EQ(NumberLocale::fromEnvironment().decimalSeparator, '.');
}

TEST_F(NumberLocaleTest, OverloadsWithoutALocaleUseTheCurrentOne)
{
    fw::SetNumberLocale(kGerman);
    EXPECT_EQ(Format(1266.426, kEuroPattern), "1.266,43 €");
    EXPECT_EQ(CDbl("1.266,43 €"), 1266.43);
    fw::SetNumberLocale(kC);
    EXPECT_EQ(Format(1266.426, kEuroPattern), "1,266.43 €");
    EXPECT_EQ(CDbl("1.266,43 €"), 1.266);
}

} // namespace
