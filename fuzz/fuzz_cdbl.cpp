// CDbl on arbitrary bytes under both locales: it must stay in bounds and never give a NaN.
#include "framework/NumberFormat.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& locale : {fw::NumberLocale::c(), fw::NumberLocale::german()})
        if (std::isnan(fw::CDbl(text, locale)))
            std::abort();
    return 0;
}
