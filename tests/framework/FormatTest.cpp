// Format under the C and the German convention: the program's patterns, rounding, zero, grouping,
// infinities and odd patterns.
#include "framework/Format.h"
#include "tests/support/ProgramPatterns.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fw::Format;
using fw::NumberLocale;

const NumberLocale kC = NumberLocale::c();
const NumberLocale kGerman = NumberLocale::german();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

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

} // namespace
