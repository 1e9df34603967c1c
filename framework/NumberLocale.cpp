#include "framework/NumberLocale.h"

#include <cstdlib>
#include <string_view>

namespace fw {

NumberLocale NumberLocale::fromEnvironment()
{
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        // A locale name is language[_territory][.codeset][@modifier].
        const std::string_view locale = value;
        const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
        const bool noLanguage = language == "C" || language == "POSIX";
        return noLanguage || language == "de" ? german() : c();
    }
    return german();
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

} // namespace fw
