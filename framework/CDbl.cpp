// CDbl gathers the digits before the first separator, which are integer digits however the separators
// read; from there shapeOf looks ahead for where the number ends and which separator, if any, is its
// decimal point, and the remaining digits are gathered. Up to nineteen significant digits with a power
// of ten up to 22 convert in one exact IEEE operation, everything else through std::from_chars, never
// through the process's C locale.
#include "framework/CDbl.h"

#include "framework/Format.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace fw {

namespace {

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSeparator(char c)
{
    return c == '.' || c == ',';
}

const char* skipDigits(const char* p, const char* end)
{
    while (p != end && isDigit(*p))
        ++p;
    return p;
}

// Exactly three digits start at `p`.
bool groupAt(const char* p, const char* end)
{
    return end - p >= 3 && isDigit(p[0]) && isDigit(p[1]) && isDigit(p[2]) &&
           (end - p == 3 || !isDigit(p[3]));
}

// The number's digits and separators are [begin, end); `point` is its decimal point, or null.
struct Shape {
    const char* end;
    const char* point;
};

// Applies the separator rules of CDbl.h to the number that starts at `begin` (after the sign), whose
// leading digits end at `separator`.
Shape shapeOf(const char* begin, const char* separator, const char* end, const NumberLocale& locale)
{
    if (separator == end || !isSeparator(*separator))
        return {separator, nullptr};
    const char* const next = skipDigits(separator + 1, end);
    if (next == separator + 1) // no digit follows: "5." ends with its point, "." is no number
        return separator == begin ? Shape{begin, nullptr} : Shape{separator + 1, separator};

    const std::ptrdiff_t leading = separator - begin;
    if (next - separator == 4 && leading >= 1 && leading <= 3 && *begin != '0') {
        const char* q = next;
        bool moreGroups = false;
        for (; q != end && *q == *separator && groupAt(q + 1, end); q += 4)
            moreGroups = true;
        if (q != end && *q != *separator && isSeparator(*q)) // the other one: the decimal point
            return {skipDigits(q + 1, end), q};
        const bool brokenChain = q != end && *q == *separator;
        if (!brokenChain && (moreGroups || *separator == locale.groupingSeparator))
            return {q, nullptr};
    }
    return {next, separator};
}

} // namespace

double CDbl(std::string_view text)
{
    return CDbl(text, CurrentNumberLocale());
}

double CDbl(std::string_view text, const NumberLocale& locale)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && (*p == ' ' || *p == '\t'))
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    if (std::string_view(p, static_cast<std::size_t>(end - p)).starts_with(kInfinitySign))
        return negative ? -infinity : infinity;

    // Up to nineteen significant digits also gather exactly in `mantissa`.
    std::uint64_t mantissa = 0;
    std::int64_t significant = 0; // digits from the first non-zero one on
    std::int64_t integerDigits = 0;
    std::int64_t fractionDigits = 0;
    std::int64_t fractionZeros = 0; // before the first significant digit
    auto take = [&](char c) {
        if (significant == 0 && c == '0')
            return;
        if (significant < 19)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        ++significant;
    };
    // The leading digits belong to the integer part whatever the separators after them are.
    const char* const digitsBegin = p;
    for (; p != end && isDigit(*p); ++p) {
        take(*p);
        ++integerDigits;
    }
    const Shape shape = shapeOf(digitsBegin, p, end, locale);
    const char* const integerEnd = shape.point != nullptr ? shape.point : shape.end;
    for (; p != integerEnd; ++p)
        if (isDigit(*p)) {
            take(*p);
            ++integerDigits;
        }
    const std::int64_t integerSignificant = significant;
    if (p != shape.end)
        for (++p; p != shape.end; ++p) {
            fractionZeros += significant == 0 && *p == '0' ? 1 : 0;
            take(*p);
            ++fractionDigits;
        }
    if (integerDigits == 0 && fractionDigits == 0)
        return 0.0;

    std::int64_t exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        const bool negativeExponent = q != end && *q == '-';
        if (q != end && (*q == '+' || *q == '-'))
            ++q;
        // Far beyond any double's range; saturating keeps the arithmetic defined.
        constexpr std::int64_t limit = 1'000'000'000;
        for (; q != end && isDigit(*q); ++q)
            exponent = std::min(exponent * 10 + (*q - '0'), limit);
        if (negativeExponent)
            exponent = -exponent;
    }

    if (significant == 0)
        return negative ? -0.0 : 0.0;
    // The power of ten of the first significant digit decides overflow and underflow.
    const std::int64_t magnitude =
        (integerSignificant > 0 ? integerSignificant - 1 : -(fractionZeros + 1)) + exponent;
    if (magnitude > 310)
        return negative ? -infinity : infinity;
    if (magnitude < -330)
        return negative ? -0.0 : 0.0;

    // An exact mantissa and an exact power of ten: one IEEE operation rounds correctly (Clinger).
    const std::int64_t scale = exponent - fractionDigits;
    if constexpr (FLT_EVAL_METHOD == 0) {
        if (significant <= 19 && mantissa <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
            const double m = static_cast<double>(mantissa);
            const double result = scale < 0 ? m / kPowersOfTen[-scale] : m * kPowersOfTen[scale];
            return negative ? -result : result;
        }
    }

    // Otherwise from_chars reads "0<digits>[.<digits>][e<exponent>]", the number cleaned of grouping.
    // The leading '0' makes ",50" a number; the digits' own length bounds the copy.
    std::array<char, 96> small;
    std::string large;
    const std::size_t bound = static_cast<std::size_t>(shape.end - digitsBegin) + 24;
    char* const clean = bound <= small.size() ? small.data() : (large.resize(bound), large.data());
    char* w = clean;
    *w++ = '0';
    for (const char* q = digitsBegin; q != shape.end; ++q)
        if (isDigit(*q))
            *w++ = *q;
        else if (q == shape.point)
            *w++ = '.';
    if (exponent != 0) {
        *w++ = 'e';
        w = std::to_chars(w, clean + bound, exponent).ptr;
    }
    double result = 0.0;
    const auto [ptr, ec] = std::from_chars(clean, w, result);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        result = magnitude >= 0 ? infinity : 0.0;
    else if (ec != std::errc{})
        result = 0.0;
    return negative ? -result : result;
}

} // namespace fw
