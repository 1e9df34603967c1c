// The number pattern the VAT converter shows its prices with: grouped, two decimals, a euro sign.
#pragma once

#include <string_view>

namespace patterns {

inline constexpr std::string_view kEuro = "###,##0.00 \\\xE2\x82\xAC"; // ###,##0.00 \€

} // namespace patterns
