#include "framework/ToInt32.h"

#include <cmath>
#include <limits>

namespace fw {

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
