// Format, CDbl and ToInt32 on a locale of two separators. Both directions work on the shortest decimal
// digits of a double (std::to_chars / std::from_chars), never on the process's C locale.
#include "framework/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace fw {

namespace {

constexpr std::string_view kInfinitySign = "\xE2\x88\x9E";   // ∞
constexpr std::string_view kNotANumberSign = "\xE2\x80\x93"; // –

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The bytes that "\x" takes from the backslash at `pos`: the backslash and one whole UTF-8 character,
// i.e. a lead byte and as many continuation bytes as it announces and the text really has. A trailing
// backslash takes only itself.
std::size_t escapeLength(std::string_view s, std::size_t pos)
{
    std::size_t i = pos + 1;
    if (i >= s.size())
        return 1;
    const auto lead = static_cast<unsigned char>(s[i++]);
    int continuation = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
    while (continuation-- > 0 && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
        ++i;
    return i - pos;
}

// A non-negative decimal digits[0].digits[1..count) × 10^exponent without trailing zeros, whose last
// digit reads as `last`; count 0 is zero. The digits stay in the buffer std::to_chars wrote them to:
// rounding only shortens them and may raise the last one, so it never copies.
struct Decimal {
    const char* digits = "";
    int count = 0;
    int exponent = 0;
    char last = '0';

    // The digit at the place 10^power.
    char digitAt(std::int64_t power) const
    {
        const std::int64_t index = exponent - power;
        if (index < 0 || index >= count)
            return '0';
        return index == count - 1 ? last : digits[index];
    }
    std::int64_t integerDigits() const { return count == 0 || exponent < 0 ? 0 : std::int64_t{exponent} + 1; }
    // Decimal places up to the last non-zero digit.
    std::int64_t fractionDigits() const
    {
        const std::int64_t lowest = std::int64_t{exponent} - (count - 1);
        return count == 0 || lowest >= 0 ? 0 : -lowest;
    }
};

using DigitBuffer = std::array<char, 40>;

// The shortest decimal that reads back as `magnitude` (finite, not negative), in `buffer`.
Decimal shortestDecimal(double magnitude, DigitBuffer& buffer)
{
    // "d.ddde+XX" or "de+XX", the exponent having two or three digits.
    char* const end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific)
            .ptr;
    const char* e = end[-4] == 'e' ? end - 4 : end - 5;
    Decimal d;
    if (buffer[1] == '.') {
        buffer[1] = buffer[0];
        d.digits = buffer.data() + 1;
        d.count = static_cast<int>(e - d.digits);
    } else {
        d.digits = buffer.data();
        d.count = 1;
    }
    int exponent = 0;
    for (const char* p = e + 2; p != end; ++p)
        exponent = exponent * 10 + (*p - '0');
    d.exponent = e[1] == '-' ? -exponent : exponent;
    if (d.count == 1 && d.digits[0] == '0')
        d.count = 0;
    d.last = d.count > 0 ? d.digits[d.count - 1] : '0';
    return d;
}

// Commercial rounding (half away from zero) to `decimals` places of the decimal digits themselves, so
// the binary error of 2.675 plays no part.
Decimal roundedTo(const Decimal& from, std::int64_t decimals)
{
    const std::int64_t keep = std::int64_t{from.exponent} + 1 + decimals;
    if (keep >= from.count)
        return from;
    if (keep < 0)
        return {};
    Decimal d = from;
    d.count = static_cast<int>(keep);
    if (d.digits[d.count] >= '5') {
        while (d.count > 0 && d.digits[d.count - 1] == '9')
            --d.count;
        if (d.count == 0) {
            d.digits = "1";
            d.count = 1;
            ++d.exponent;
        }
        d.last = static_cast<char>(d.digits[d.count - 1] + (d.digits == from.digits ? 1 : 0));
        return d;
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
    d.last = d.count > 0 ? d.digits[d.count - 1] : '0';
    return d;
}

// What a section asks for. A section without '#' or '0' shows no number, and its '.' is a literal.
// The first '.' is the decimal point; a ',' groups the integer part when an integer digit position
// follows it (and one precedes it), otherwise it is a literal. A compact section has all its number
// characters together in [numberBegin, numberEnd), literals only before and after them; the others
// are walked character by character.
struct Section {
    std::string_view text;
    std::string_view rest; // the pattern after the ';' that ends the section
    bool more = false;     // a ';' ends the section
    bool hasDigits = false;
    bool grouping = false;
    bool point = false;
    bool compact = false;
    std::size_t numberBegin = 0;
    std::size_t numberEnd = 0;
    std::int64_t integerPlaces = 0;
    std::int64_t minIntegerDigits = 0; // from the first integer '0' on
    std::int64_t fractionPlaces = 0;
    std::int64_t minFractionDigits = 0; // up to the last fraction '0'

    bool general() const { return text.empty(); }
};

// Reads the section at the start of `text`, up to the first unescaped ';'.
Section analyse(std::string_view text)
{
    // Few plain locals keep the per-character state in registers. The section is compact when its
    // number range holds nothing but digit positions, the point and grouping commas.
    constexpr std::size_t none = std::string_view::npos;
    bool point = false;
    std::size_t numberBegin = none;
    std::size_t numberEnd = 0;
    std::int64_t pendingCommas = 0; // after an integer place, not yet followed by another one
    std::int64_t groupingCommas = 0;
    std::int64_t integerPlaces = 0;
    std::int64_t fractionPlaces = 0;
    std::int64_t minFractionDigits = 0;
    std::int64_t firstZero = -1;

    std::size_t i = 0;
    for (; i < text.size() && text[i] != ';';) {
        const char c = text[i];
        if ((c == '#' || c == '0') && !point) {
            groupingCommas += pendingCommas;
            pendingCommas = 0;
            if (c == '0' && firstZero < 0)
                firstZero = integerPlaces;
            ++integerPlaces;
        } else if (c == '#' || c == '0') {
            ++fractionPlaces;
            if (c == '0')
                minFractionDigits = fractionPlaces;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            if (c == ',' && !point && integerPlaces > 0)
                ++pendingCommas;
            i += c == '\\' ? escapeLength(text, i) : 1;
            continue;
        }
        if (numberBegin == none)
            numberBegin = i;
        numberEnd = ++i;
    }

    Section s;
    s.text = text.substr(0, i);
    s.rest = i < text.size() ? text.substr(i + 1) : std::string_view{};
    s.more = i < text.size();
    if (integerPlaces + fractionPlaces == 0)
        return s;
    s.hasDigits = true;
    s.grouping = groupingCommas > 0;
    s.point = point;
    s.compact = static_cast<std::int64_t>(numberEnd - numberBegin) ==
                integerPlaces + fractionPlaces + (point ? 1 : 0) + groupingCommas;
    s.numberBegin = numberBegin;
    s.numberEnd = numberEnd;
    s.integerPlaces = integerPlaces;
    s.minIntegerDigits = firstZero < 0 ? 0 : integerPlaces - firstZero;
    s.fractionPlaces = fractionPlaces;
    s.minFractionDigits = minFractionDigits;
    return s;
}

enum class Kind { Finite, Infinite, NotANumber };

// The text being built, written through a pointer into a buffer sized up front from the pattern and
// the digits: on the stack for the usual short results, so that only the returned string allocates.
class Output {
public:
    explicit Output(std::size_t capacity)
    {
        if (capacity > small_.size()) {
            large_.resize(capacity);
            begin_ = next_ = large_.data();
        }
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void put(char c) { *next_++ = c; }
    void put(std::string_view s)
    {
        if (!s.empty())
            next_ = std::copy(s.begin(), s.end(), next_);
    }
    std::string take()
    {
        if (begin_ == small_.data())
            return std::string(begin_, next_);
        large_.resize(static_cast<std::size_t>(next_ - begin_));
        return std::move(large_);
    }

private:
    std::array<char, 128> small_;
    std::string large_;
    char* begin_ = small_.data();
    char* next_ = begin_;
};

std::string_view signOf(Kind kind)
{
    return kind == Kind::Infinite ? kInfinitySign : kNotANumberSign;
}

std::string general(bool minus, Kind kind, const Decimal& d, const NumberLocale& locale)
{
    const std::int64_t integers = d.integerDigits();
    const std::int64_t fractions = d.fractionDigits();
    Output out(static_cast<std::size_t>(integers + fractions) + 8);
    if (minus)
        out.put('-');
    if (kind != Kind::Finite) {
        out.put(signOf(kind));
        return out.take();
    }
    if (integers == 0)
        out.put('0');
    for (std::int64_t power = integers - 1; power >= 0; --power)
        out.put(d.digitAt(power));
    if (fractions > 0) {
        out.put(locale.decimalSeparator);
        for (std::int64_t place = 1; place <= fractions; ++place)
            out.put(d.digitAt(-place));
    }
    return out.take();
}

// Copies literal text, resolving '\' escapes.
void putLiterals(Output& out, std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\\') {
            const std::size_t length = escapeLength(text, i);
            out.put(text.substr(i + 1, length - 1));
            i += length;
        } else {
            out.put(text[i++]);
        }
    }
}

// The section with the number `d` (already rounded to the section's places) in its digit positions.
// Integer digits beyond the positions all go to the first one; infinity and NaN take the place of the
// whole number, decimal separator included.
std::string formatSection(bool minus, const Section& s, Kind kind, const Decimal& d,
                          const NumberLocale& locale)
{
    const bool special = kind != Kind::Finite;
    const std::int64_t digits = special ? 0 : std::max(d.integerDigits(), s.minIntegerDigits);
    const std::int64_t fractions =
        std::max(s.minFractionDigits, std::min(s.fractionPlaces, d.fractionDigits()));
    const std::string_view text = s.text;
    Output out(text.size() + static_cast<std::size_t>(digits + digits / 3) + 8);
    if (minus)
        out.put('-');

    // Integer digits go out in order, each place once; `phase` counts down to the next group mark.
    std::int64_t nextDigit = 0;
    std::int64_t phase = digits > 0 ? (digits - 1) % 3 : 0;
    auto putIntegerDigitsUpTo = [&](std::int64_t end) {
        for (; nextDigit < end; ++nextDigit) {
            out.put(d.digitAt(digits - 1 - nextDigit));
            if (phase == 0 && s.grouping && nextDigit + 1 < digits)
                out.put(locale.groupingSeparator);
            phase = phase == 0 ? 2 : phase - 1;
        }
    };
    auto putFraction = [&] {
        for (std::int64_t place = 1; place <= fractions; ++place)
            out.put(d.digitAt(-place));
    };

    if (s.compact || !s.hasDigits) {
        putLiterals(out, text.substr(0, s.numberBegin));
        if (s.hasDigits && special) {
            out.put(signOf(kind));
        } else if (s.hasDigits) {
            putIntegerDigitsUpTo(digits);
            if (s.point) {
                out.put(locale.decimalSeparator);
                putFraction();
            }
        }
        putLiterals(out, text.substr(s.numberEnd));
        return out.take();
    }

    // Literals among the digit positions: walk the section and fill each position in turn.
    std::int64_t integerSeen = 0;
    std::int64_t fractionSeen = 0;
    bool point = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\\') {
            const std::size_t length = escapeLength(text, i);
            out.put(text.substr(i + 1, length - 1));
            i += length;
            continue;
        }
        ++i;
        if ((c == '#' || c == '0') && !point) {
            ++integerSeen;
            if (special && integerSeen == 1)
                out.put(signOf(kind));
            else if (!special)
                putIntegerDigitsUpTo(digits - s.integerPlaces + integerSeen);
        } else if (c == '#' || c == '0') {
            if (!special && fractionSeen < fractions)
                out.put(d.digitAt(-(fractionSeen + 1)));
            ++fractionSeen;
        } else if (c == '.' && !point) {
            point = true;
            if (special && s.integerPlaces == 0)
                out.put(signOf(kind));
            if (!special) {
                putIntegerDigitsUpTo(digits);
                out.put(locale.decimalSeparator);
            }
        } else if (!(c == ',' && !point && integerSeen > 0 && integerSeen < s.integerPlaces)) {
            out.put(c);
        }
    }
    return out.take();
}

} // namespace

NumberLocale NumberLocale::fromEnvironment()
{
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return value[0] == 'd' && value[1] == 'e' ? german() : c();
    }
    return c();
}

namespace {
NumberLocale& currentLocale()
{
    static NumberLocale locale = NumberLocale::fromEnvironment();
    return locale;
}
} // namespace

const NumberLocale& CurrentNumberLocale()
{
    return currentLocale();
}
void SetNumberLocale(const NumberLocale& locale)
{
    currentLocale() = locale;
}

std::string Format(double value, std::string_view pattern)
{
    return Format(value, pattern, CurrentNumberLocale());
}

std::string Format(double value, std::string_view pattern, const NumberLocale& locale)
{
    const Kind kind = std::isnan(value)   ? Kind::NotANumber
                      : std::isinf(value) ? Kind::Infinite
                                          : Kind::Finite;
    DigitBuffer buffer;
    const Decimal shortest = kind == Kind::Finite ? shortestDecimal(std::fabs(value), buffer) : Decimal{};
    // Sections are read as needed: positive; negative; zero. Anything after a third ';' is ignored.
    const Section positive = analyse(pattern);
    const Decimal positiveRounded =
        positive.general() ? shortest : roundedTo(shortest, positive.fractionPlaces);
    const bool zero = kind == Kind::Finite && positiveRounded.count == 0;

    // Zero shows in the zero section when there is one, otherwise like a positive value: never with a
    // minus. A NaN shows in the positive section.
    if (zero && positive.more) {
        const Section negative = analyse(positive.rest);
        if (negative.more) {
            const Section zeroSection = analyse(negative.rest);
            return zeroSection.general() ? std::string{}
                                         : formatSection(false, zeroSection, kind, Decimal{}, locale);
        }
    }
    bool minus = false;
    if (!zero && kind != Kind::NotANumber && std::signbit(value)) {
        const Section negative = analyse(positive.rest);
        if (positive.more && !negative.general())
            return formatSection(false, negative, kind, roundedTo(shortest, negative.fractionPlaces), locale);
        minus = true;
    }
    if (positive.general())
        return general(minus, kind, shortest, locale);
    return formatSection(minus, positive, kind, positiveRounded, locale);
}

double CDbl(std::string_view text)
{
    return CDbl(text, CurrentNumberLocale());
}

double CDbl(std::string_view text, const NumberLocale& locale)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && (*p == ' ' || *p == '\t'))
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';

    char decimal = locale.decimalSeparator;
    bool grouped = locale.groupingSeparator != decimal;
    const char grouping = locale.groupingSeparator;
    if (decimal != '.') {
        // "12.5" under a German locale: a number without the locale's separator takes '.' as its point.
        const char* q = p;
        while (q != end && *q != decimal && (isDigit(*q) || *q == '.' || (grouped && *q == grouping)))
            ++q;
        if (q == end || *q != decimal) {
            decimal = '.';
            grouped = grouped && grouping != '.';
        }
    }

    // One pass over the digits; up to nineteen significant ones also gather exactly in `mantissa`.
    const char* const digitsBegin = p;
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
    while (p != end) {
        if (isDigit(*p)) {
            take(*p++);
            ++integerDigits;
        } else if (grouped && *p == grouping && integerDigits > 0 && p + 1 != end && isDigit(p[1])) {
            ++p;
        } else {
            break;
        }
    }
    const std::int64_t integerSignificant = significant;
    // The separator may end the digits ("5." and "5.e3" as strtod reads them) but not stand alone.
    if (p != end && *p == decimal && (integerDigits > 0 || (p + 1 != end && isDigit(p[1])))) {
        for (++p; p != end && isDigit(*p); ++p) {
            fractionZeros += significant == 0 && *p == '0' ? 1 : 0;
            take(*p);
            ++fractionDigits;
        }
    }
    const char* const digitsEnd = p;
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

    const double infinity = std::numeric_limits<double>::infinity();
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
    const std::size_t bound = static_cast<std::size_t>(digitsEnd - digitsBegin) + 24;
    char* const clean = bound <= small.size() ? small.data() : (large.resize(bound), large.data());
    char* w = clean;
    *w++ = '0';
    for (const char* q = digitsBegin; q != digitsEnd; ++q)
        if (isDigit(*q))
            *w++ = *q;
        else if (*q == decimal)
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

std::int32_t ToInt32(double value) noexcept
{
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(max))
        return max;
    if (value <= static_cast<double>(min))
        return min;
    return static_cast<std::int32_t>(std::round(value));
}

} // namespace fw
