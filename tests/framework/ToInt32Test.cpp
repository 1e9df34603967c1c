// The double to Int32 conversion of the pack count.
#include "framework/ToInt32.h"
#include "framework/CDbl.h"
#include "framework/NumberLocale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>

namespace {

TEST(ToInt32Test, RoundsHalfAwayFromZeroAndSaturates)
{
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const auto c = fw::NumberLocale::c();
    const std::pair<double, std::int32_t> rows[] = {
        {2.5, 3},
        {-2.5, -3},
        {0.49999999999999994, 0},
        {-0.4, 0},
        {2147483646.5, max},
        {2147483647.4, max},
        {-2147483647.5, min},
        {-2147483648.4, min},
        {fw::CDbl("1e20", c), max},
        {fw::CDbl("-1e20", c), min},
        {kInf, max},
        {-kInf, min},
        {kNaN, 0},
        {-kNaN, 0},
        {1e-320, 0},
        {-1234.5, -1235},
    };
    for (const auto& [value, expected] : rows)
        EXPECT_EQ(fw::ToInt32(value), expected) << value;
}

} // namespace
