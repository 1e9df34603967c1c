// Format works on the shortest decimal digits of a double (std::to_chars), never on the process's C
// locale, and writes the result into a buffer sized up front.
#include "framework/Format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace fw {

namespace {

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

} // namespace fw
