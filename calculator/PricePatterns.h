// The number patterns the price calculator shows its values with.
#pragma once

#include <string_view>

namespace patterns {

inline constexpr std::string_view kMoney = "######.00";
inline constexpr std::string_view kMarkup = "######.00\\%;-######.00\\%";
inline constexpr std::string_view kCount = "######";
inline constexpr std::string_view kMargin = "#####.00\\%;-######.00\\%";
inline constexpr std::string_view kProfit = "#####.00;-#####.00";
inline constexpr std::string_view kProfitChange = "#####.00\\%;-#####.00\\%";

// What the arrows write their stepped value with; the zero section of the signed one is empty.
inline constexpr std::string_view kStepSignedPercent = "#####.00\\%;-#####.00\\%;";
inline constexpr std::string_view kStepPercent = "#####.00\\%";
inline constexpr std::string_view kStepWhole = "#####";

inline constexpr std::string_view kAll[] = {kMoney,  kMarkup,           kCount,       kMargin,   kProfit,
                                            kProfitChange, kStepSignedPercent, kStepPercent, kStepWhole};

} // namespace patterns
