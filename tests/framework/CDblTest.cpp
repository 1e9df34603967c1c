// CDbl under the C and the German convention: which separator is the decimal point, the leading number
// of a text, infinities, and long texts.
#include "framework/CDbl.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace {

using fw::CDbl;
using fw::NumberLocale;

const NumberLocale kC = NumberLocale::c();
const NumberLocale kGerman = NumberLocale::german();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Row {
    std::string_view text;
    double c;
    double german;
};

void expectReads(std::initializer_list<Row> rows)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << '"' << row.text << '"');
        EXPECT_EQ(CDbl(row.text, kC), row.c);
        EXPECT_EQ(CDbl(row.text, kGerman), row.german);
    }
}

TEST(CDblTest, ADecimalMarkIsNeverTakenForGrouping)
{
    expectReads({
        {"12,50", 12.5, 12.5},
        {"12.50", 12.5, 12.5},
        {"12,5", 12.5, 12.5},
        {"12.5", 12.5, 12.5},
        {"0,5", 0.5, 0.5},
        {",5", 0.5, 0.5},
        {"-1.234,5", -1234.5, -1234.5},
        {"1.234,56", 1234.56, 1234.56},
        {"1,234.56", 1234.56, 1234.56},
        {"1.234.567", 1234567, 1234567},
        {"1,234,567", 1234567, 1234567},
        {"1,234,567.5", 1234567.5, 1234567.5},
        {"1.234.567,5", 1234567.5, 1234567.5},
        {"123.456.789,01 €", 123456789.01, 123456789.01},
        {"1.234,5678", 1234.5678, 1234.5678},
        {"1.2345", 1.2345, 1.2345},
        {"1,2345", 1.2345, 1.2345},
        {"1.23", 1.23, 1.23},
        // Three digits after a lone separator: only here the convention decides.
        {"1.234", 1.234, 1234},
        {"1,234", 1234, 1.234},
        {"12,500", 12500, 12.5},
        {"123.456", 123.456, 123456},
        {"1.234 €", 1.234, 1234},
        {"1.234e3", 1234, 1234000},
        // No grouping before a first group of four digits or one that starts with 0.
        {"1234.567", 1234.567, 1234.567},
        {"1234,567", 1234.567, 1234.567},
        {"0,500", 0.5, 0.5},
        {"0.500", 0.5, 0.5},
        // Separators that do not group: the first is the point, the number ends at the next.
        {"1.23.456", 1.23, 1.23},
        {"1.234.56", 1.234, 1.234},
        {"1,234,56", 1.234, 1.234},
        {"1,234.567.8", 1234.567, 1234.567},
        {"1,5,3", 1.5, 1.5},
        {"1.234.", 1.234, 1.234},
        // A trailing separator is a point without decimals.
        {"5.", 5, 5},
        {"5,", 5, 5},
        {"1.234,", 1234, 1234},
        {"5.e3", 5000, 5000},
        {"5,e3", 5000, 5000},
    });
}

TEST(CDblTest, ReadsTheLeadingNumberOfAText)
{
    // "1\0005" is 1, NUL, 5.
    expectReads({{"12,50 €", 12.5, 12.5},
                 {"30,00%", 30, 30},
                 {"1.266,43 €", 1266.43, 1266.43},
                 {"1,266.43 €", 1266.43, 1266.43},
                 {" \t-3.5e2x", -350, -350},
                 {"+7", 7, 7},
                 {".50", 0.5, 0.5},
                 {",50", 0.5, 0.5},
                 {"-,5", -0.5, -0.5},
                 {".e3", 0, 0},
                 {"2E3", 2000, 2000},
                 {"1e", 1, 1},
                 {"1e+", 1, 1},
                 {"1 000", 1, 1},
                 {"1 234,50", 1, 1},
                 {"12\xF0\x9F\x98\x80", 12, 12},
                 {std::string_view("1\0005", 3), 1, 1},
                 {"", 0, 0},
                 {"abc", 0, 0},
                 {"-", 0, 0},
                 {",", 0, 0},
                 {".", 0, 0},
                 {",,5", 0, 0},
                 {"€", 0, 0},
                 {"\xF0\x9F\x98\x80 12", 0, 0},
                 {"nan", 0, 0},
                 {"inf", 0, 0},
                 {"-infinity", 0, 0},
                 {"0x1A", 0, 0},
                 {"1e400", kInf, kInf},
                 {"-1e400", -kInf, -kInf},
                 {"1e-400", 0, 0},
                 {"1e999999999999999999999", kInf, kInf},
                 {"-1e-999999999999999999999", 0, 0}});
    EXPECT_TRUE(std::signbit(CDbl("-1e-400", kC)));
}

// What Format writes for an infinity reads back as that infinity, the pattern's literals after it.
TEST(CDblTest, TheInfinitySignReadsAsInfinity)
{
    expectReads({{"∞", kInf, kInf},
                 {"-∞", -kInf, -kInf},
                 {"∞%", kInf, kInf},
                 {"-∞%", -kInf, -kInf},
                 {"∞ €", kInf, kInf},
                 {" +∞", kInf, kInf},
                 {"- ∞", 0, 0},
                 {"5∞", 5, 5},
                 {"\xE2\x88", 0, 0}});
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
        if (fraction.size() != 3 || integer.size() > 3) { // otherwise only the convention can tell
            ASSERT_EQ(CDbl(integer + "," + fraction + exponent, kC), expected);
        }
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
    EXPECT_EQ(CDbl(grouped + "e-900000", kGerman), 1.0); // 10^900000 × 10^-900000
    EXPECT_EQ(CDbl(grouped + "e-900000", kC), 1.0);
    EXPECT_EQ(CDbl(grouped + ".00", kC), 1.0); // the last group breaks the chain: "1.000"
}

} // namespace
