// The two conventions for writing numbers that the program knows: C ("1,266.43") and German
// ("1.266,43"), which one the environment asks for, and the one that Format and CDbl use by default.
#pragma once

namespace fw {

struct NumberLocale {
    char decimalSeparator = '.';
    char groupingSeparator = ',';

    static NumberLocale c() { return {'.', ','}; }
    static NumberLocale german() { return {',', '.'}; }
    // The first of LC_ALL, LC_NUMERIC and LANG that is set and not empty decides. The program speaks
    // German, so where the environment names no language (none set, or "C", "POSIX", "C.<codeset>")
    // numbers are German; a locale of the German language ("de", "de_DE.UTF-8", "de_AT", ...) is
    // German too, and every locale of another language takes the C convention.
    static NumberLocale fromEnvironment();
};

// The convention that Format and CDbl use when none is given: read from the environment when first
// asked for, set again at start-up and by tests.
const NumberLocale& CurrentNumberLocale();
void SetNumberLocale(const NumberLocale& locale);

} // namespace fw
