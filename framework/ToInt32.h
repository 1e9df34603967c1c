// The framework's conversion of a double to a 32-bit integer, as the pack count needs it.
#pragma once

#include <cstdint>

namespace fw {

// Rounds half away from zero and saturates at the limits; a NaN gives 0. Defined for every double.
std::int32_t ToInt32(double value) noexcept;

} // namespace fw
