// The values that pass through the class records' member invokers and event delegates.
#pragma once

#include "Object.h"

#include <cstdint>
#include <string>
#include <variant>

namespace fw {

using Value = std::variant<std::monostate, bool, std::int32_t, double, std::string, Ref<Object>>;

} // namespace fw
