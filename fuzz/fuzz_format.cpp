// Format with any double and any pattern under both conventions. Checked: valid UTF-8 patterns give
// valid UTF-8, the output reads back without a NaN, and for the program's own patterns the text of
// either convention reads back under either convention as the same number, which formats to the
// same text again (infinities included).
#include "framework/CDbl.h"
#include "framework/Format.h"
#include "framework/NumberLocale.h"
#include "tests/support/ProgramPatterns.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool validUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const double value = std::bit_cast<double>(provider.ConsumeIntegral<std::uint64_t>());
    const bool programPattern = provider.ConsumeBool();
    const std::string fuzzed = provider.ConsumeRandomLengthString(64);
    const std::string_view pattern =
        programPattern ? kProgramPatterns[static_cast<std::size_t>(fuzzed.size()) % kProgramPatterns.size()]
                       : std::string_view(fuzzed);

    const auto c = fw::NumberLocale::c();
    const auto german = fw::NumberLocale::german();
    const std::string inC = fw::Format(value, pattern, c);
    const std::string inGerman = fw::Format(value, pattern, german);
    if (validUtf8(pattern))
        check(validUtf8(inC) && validUtf8(inGerman));
    const double readC = fw::CDbl(inC, c);
    const double readGerman = fw::CDbl(inGerman, german);
    check(!std::isnan(readC) && !std::isnan(readGerman));
    if (programPattern && !std::isnan(value)) {
        check(readC == readGerman);
        check(fw::CDbl(inC, german) == readC && fw::CDbl(inGerman, c) == readC);
        check(fw::Format(readC, pattern, c) == inC && fw::Format(readC, pattern, german) == inGerman);
        check(!std::isinf(value) || readC == value);
    }
    return 0;
}
