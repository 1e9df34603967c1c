// Format turns a double into the text the user sees, by a pattern and a number convention.
//
// Pattern rules: '#' a digit shown only when significant, '0' a digit always shown, '.' the decimal
// separator, ',' (anywhere among the integer digits) groups the integer part by three, '\' makes the
// next character (a whole UTF-8 character, so "\€" works) literal, every other character stands as it
// is. ';' separates up to three sections: positive, negative, zero. The negative section shows the
// absolute value (its own literals supply any minus sign); without a negative section a negative value
// gets a leading '-'. An empty zero section gives the empty text for a value that rounds to zero.
// The '.' and ',' of a pattern come out as the convention's decimal and grouping separators:
// 1266.43 under "###,##0.00 \€" is "1.266,43 €" in German and "1,266.43 €" in C.
//
// Rounding is commercial (half away from zero) on the shortest decimal that reads back as the same
// double, so 2.675 shows as 2.68. A value that rounds to zero never shows a minus sign. Integer digits
// are never cut off. Infinities show as "∞" / "-∞", a NaN as "–", inside the section's literals.
// An empty pattern (or positive section) shows the shortest decimal as it is; a section without '#' or
// '0' shows only its literals. The decimal separator stands wherever the section has a '.', even when
// no decimal follows it ("0.##" shows 5 as "5.").
//
// CDbl reads what Format writes with the program's patterns (two decimals or none, grouped or not) back
// to its number, infinities included, whichever convention wrote it and whichever reads it.
#pragma once

#include "framework/NumberLocale.h"

#include <string>
#include <string_view>

namespace fw {

// What Format writes in place of the digits of an infinity ("∞", after a '-' for minus infinity) and
// of a NaN ("–").
inline constexpr std::string_view kInfinitySign = "\xE2\x88\x9E";
inline constexpr std::string_view kNotANumberSign = "\xE2\x80\x93";

// Under CurrentNumberLocale().
std::string Format(double value, std::string_view pattern);
std::string Format(double value, std::string_view pattern, const NumberLocale& locale);

} // namespace fw
