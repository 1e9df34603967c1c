// CDbl reads the number at the start of a text, as a user types it or as Format wrote it.
//
// After blanks and a sign, "∞" reads as infinity (what Format writes for one). Otherwise the number is
// digits with '.' and ',' among them and an optional exponent ("e-3"); what follows is ignored, so
// "12,50 €" and "30,00%" read as their numbers. A text without a number gives 0 (so do "nan" and
// "inf"), a number too large for a double gives ±infinity, and the result is never a NaN.
//
// Both '.' and ',' may be the decimal point in every convention, so that a price is never misread
// whichever way it is typed. A separator groups thousands only when
//   - one to three digits, the first of them not 0, stand before the first separator,
//   - exactly three digits follow it, and
//   - after those the number ends, or the other separator follows (the decimal point), or the same
//     separator follows and groups in turn.
// Every other separator is the decimal point. So "12,50", "12.50", "12,5" and "12.5" read 12.5,
// "1.234,56" and "1,234.56" read 1234.56, "1.234.567" reads 1234567, "1.2345" reads 1.2345, "0,500"
// and "1234.567" read as decimals, and ",5" reads 0.5.
// One separator followed by three digits and nothing more ("1.234", "1,234", "12,500") could be either;
// there the convention decides: its grouping separator groups, its decimal separator is the point. In
// German "1.234" is 1234 and "12,500" is 12.5; in C "1,234" is 1234 and "1.234" is 1.234.
// The number ends before a separator that follows the decimal point, and where separators that look
// like grouping do not all group, the first is the decimal point: "1.23.456" reads 1.23, "1.234.56"
// reads 1.234, "1,234.567.8" reads 1234.567. A separator without a digit after it is a decimal point
// without decimals when digits stand before it: "5." and "5," read 5, "5.e3" 5000, "1.234," 1234.
#pragma once

#include "framework/NumberLocale.h"

#include <string_view>

namespace fw {

// Under CurrentNumberLocale().
double CDbl(std::string_view text);
double CDbl(std::string_view text, const NumberLocale& locale);

} // namespace fw
