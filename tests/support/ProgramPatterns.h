// Every number pattern the program formats with, for the tests and the fuzz targets that check them.
#pragma once

#include "calculator/PricePatterns.h"
#include "vat/EuroPattern.h"

#include <array>
#include <string_view>

inline constexpr std::string_view kEuroPattern = patterns::kEuro;

inline constexpr auto kProgramPatterns = [] {
    std::array<std::string_view, std::size(patterns::kAll) + 1> all{};
    for (std::size_t i = 0; i < std::size(patterns::kAll); ++i)
        all[i] = patterns::kAll[i];
    all.back() = patterns::kEuro;
    return all;
}();
