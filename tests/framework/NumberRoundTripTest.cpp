// Every text that Format writes with the program's patterns reads back with CDbl as the number shown,
// in either convention, whichever convention wrote it.
#include "framework/CDbl.h"
#include "framework/Format.h"
#include "tests/support/ProgramPatterns.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace {

using fw::CDbl;
using fw::Format;
using fw::NumberLocale;

const NumberLocale kC = NumberLocale::c();
const NumberLocale kGerman = NumberLocale::german();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Reading a formatted number back gives the displayed value: the same under both conventions, from
// either convention's text, and formatting to the same text again.
void expectRoundTrip(double value, std::string_view pattern)
{
    const std::string inC = Format(value, pattern, kC);
    const std::string inGerman = Format(value, pattern, kGerman);
    const double readC = CDbl(inC, kC);
    SCOPED_TRACE(testing::Message() << value << " under \"" << pattern << "\" " << inC << " / " << inGerman);
    ASSERT_FALSE(std::isnan(readC));
    EXPECT_EQ(CDbl(inGerman, kGerman), readC);
    EXPECT_EQ(CDbl(inGerman, kC), readC);
    EXPECT_EQ(CDbl(inC, kGerman), readC);
    EXPECT_EQ(Format(readC, pattern, kC), inC);
    EXPECT_EQ(Format(readC, pattern, kGerman), inGerman);
    if (std::isinf(value)) {
        EXPECT_EQ(readC, value);
    }
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
        0,     -0.0,        0.004,   -0.004,      0.005,     -0.005, 2.675,  1.005,  13.571428571428573,
        -26.3, 1266.43,     999.5,   -999999.995, 1e15,      -3e17,  1e308,  5e-324, 123456789.125,
        0.5,   -0.5,        7,       -33.0000001, 1e-310,    4.4e20, -1e100, 0.995,  1234.567,
        12.5,  1234567.891, -1234.5, 1000,        -1000.004, kInf,   -kInf};
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
        EXPECT_EQ(CDbl(text, kGerman), expected);
        EXPECT_EQ(CDbl(Format(value, kEuroPattern, kGerman), kGerman), expected);
        EXPECT_EQ(CDbl(Format(value, kEuroPattern, kGerman), kC), expected);
    }
}

} // namespace
