// CDbl on arbitrary bytes under both conventions: it must stay in bounds and never give a NaN; a blank
// after the text ends the number as the end of the text does; a '-' before a text that starts with a
// digit negates it; and the conventions differ only where a separator is followed by three digits.
#include "framework/CDbl.h"
#include "framework/NumberLocale.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A '.' or ',' followed by exactly three digits somewhere in the text.
bool hasSeparatorBeforeThreeDigits(std::string_view s)
{
    for (std::size_t i = 0; i + 3 < s.size(); ++i)
        if ((s[i] == '.' || s[i] == ',') && isDigit(s[i + 1]) && isDigit(s[i + 2]) && isDigit(s[i + 3]) &&
            (i + 4 == s.size() || !isDigit(s[i + 4])))
            return true;
    return false;
}

bool same(double a, double b)
{
    return a == b; // 0 and -0 alike; NaN never comes
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto c = fw::NumberLocale::c();
    const auto german = fw::NumberLocale::german();
    const double inC = fw::CDbl(text, c);
    const double inGerman = fw::CDbl(text, german);
    check(!std::isnan(inC) && !std::isnan(inGerman));

    const std::string withBlank = std::string(text) + " €";
    check(same(fw::CDbl(withBlank, c), inC) && same(fw::CDbl(withBlank, german), inGerman));
    if (!text.empty() && isDigit(text[0])) {
        const std::string negated = "-" + std::string(text);
        check(same(fw::CDbl(negated, c), -inC) && same(fw::CDbl(negated, german), -inGerman));
    }
    // The conventions differ only for one separator followed by exactly three digits.
    check(same(inC, inGerman) || hasSeparatorBeforeThreeDigits(text));
    return 0;
}
