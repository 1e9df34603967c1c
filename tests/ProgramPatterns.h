// Every number pattern the program formats with, for the tests and the fuzz targets that check them.
#pragma once

#include <array>
#include <string_view>

inline constexpr std::string_view kEuroPattern = "###,##0.00 \\\xE2\x82\xAC"; // ###,##0.00 \€

inline constexpr std::array<std::string_view, 10> kProgramPatterns = {
    "######.00",  "######.00\\%;-######.00\\%", "######", "#####.00\\%;-######.00\\%",
    "#####.00;-#####.00", "#####.00\\%;-#####.00\\%", "#####.00\\%;-#####.00\\%;", "#####.00\\%", "#####",
    kEuroPattern};
