// Numbers as the user sees them: Format turns a double into text by a pattern, CDbl reads a number
// back out of a text. Both follow the user's locale for the decimal and grouping separators.
//
// Pattern rules: '#' a digit shown only when significant, '0' a digit always shown, '.' the decimal
// separator, ',' (anywhere among the integer digits) groups the integer part by three, '\' makes the
// next character (a whole UTF-8 character, so "\€" works) literal, every other character stands as it
// is. ';' separates up to three sections: positive, negative, zero. The negative section shows the
// absolute value (its own literals supply any minus sign); without a negative section a negative value
// gets a leading '-'. An empty zero section gives the empty text for a value that rounds to zero.
//
// Rounding is commercial (half away from zero) on the shortest decimal that reads back as the same
// double, so 2.675 shows as 2.68. A value that rounds to zero never shows a minus sign. Integer digits
// are never cut off. Infinities show as "∞" / "-∞", a NaN as "–", inside the section's literals.
// An empty pattern (or positive section) shows the shortest decimal as it is; a section without '#' or
// '0' shows only its literals. The decimal separator stands wherever the section has a '.', even when
// no decimal follows it ("0.##" shows 5 as "5.").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

struct NumberLocale {
    char decimalSeparator = '.';
    char groupingSeparator = ',';

    static NumberLocale c() { return {'.', ','}; }
    static NumberLocale german() { return {',', '.'}; }
    // German when LC_ALL, LC_NUMERIC or LANG (the first one set) begins with "de", otherwise C.
    static NumberLocale fromEnvironment();
};

// The locale that Format and CDbl use; set once at start-up from the environment, and by tests.
const NumberLocale& CurrentNumberLocale();
void SetNumberLocale(const NumberLocale& locale);

std::string Format(double value, std::string_view pattern);
std::string Format(double value, std::string_view pattern, const NumberLocale& locale);

// Reads the leading number of a text (blanks, sign, digits with grouping, decimal separator, exponent)
// and ignores what follows: "12,50 €" and "30,00%" read as their numbers. A text without a number gives
// 0 (so do "∞%", "nan" and "inf"); a number too large for a double gives ±infinity; the result is never
// a NaN. Besides the locale's own separators a plain '.' is taken as the decimal point when the number
// has no locale decimal separator, so "12.5" reads as 12.5 under a German locale too (and "1.266" as
// 1.266: grouping is only recognised alongside the locale's decimal separator).
double CDbl(std::string_view text);
double CDbl(std::string_view text, const NumberLocale& locale);

// The framework's conversion of a double to a 32-bit integer: rounds half away from zero and saturates
// at the limits; a NaN gives 0.
std::int32_t ToInt32(double value) noexcept;

} // namespace fw
