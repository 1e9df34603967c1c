// The purchase price (AEK) behind a net selling price, by price bands. In each band the net price is
// the purchase price plus a fixed amount or a markup in per cent (in the top band both); the band's
// result takes that off again: (x - fixed) - ((x - fixed) / divisor) * multiplier.
//
// The bands join without gaps, a value on a joint going to the cheaper band, and every positive net
// price falls in exactly one band; a net price of 0 or below comes back unchanged.
#include "Hauptfenster.h"

#include <limits>

namespace {

// Inclusive bounds are tested as negations (!(x > upper), !(lower > x)), so only the top band, whose
// bounds are both inclusive, takes a NaN, and gives it back.
struct AEKBand {
    double upper;
    bool upperInclusive;
    double lower;
    bool lowerInclusive;
    double fixed;
    double divisor;    // 0 for a band without a percentage part
    double multiplier;
};

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

constexpr AEKBand kBands[] = {
    {kNoLimit, true, 707.11, true, 111.24, 108.263, 8.26},
    {707.11, false, 46.72, false, 0.0, 130.0, 30.0},
    {46.72, true, 39.93, false, 10.78, 0.0, 0.0},
    {39.93, true, 30.93, false, 0.0, 137.0, 37.0},
    {30.93, true, 27.78, false, 8.35, 0.0, 0.0},
    {27.78, true, 19.39, false, 0.0, 143.0, 43.0},
    {19.39, true, 17.98, false, 5.83, 0.0, 0.0},
    {17.98, true, 12.84, false, 0.0, 148.0, 48.0},
    {12.84, true, 11.47, false, 4.16, 0.0, 0.0},
    {11.47, true, 6.64, false, 0.0, 157.0, 57.0},
    {6.64, true, 6.3, false, 2.41, 0.0, 0.0},
    {6.3, true, 2.18, false, 0.0, 162.0, 62.0},
    {2.18, true, 2.06, false, 0.83, 0.0, 0.0},
    {2.06, true, 0.0, false, 0.0, 168.0, 68.0},
};

bool matches(const AEKBand& band, double x)
{
    bool underUpper = band.upperInclusive ? !(x > band.upper) : x < band.upper;
    bool overLower = band.lowerInclusive ? !(band.lower > x) : x > band.lower;
    return underUpper && overLower;
}

} // namespace

double Hauptfenster::getAEK2003(double netto)
{
    for (const AEKBand& band : kBands) {
        if (!matches(band, netto))
            continue;
        double base = netto - band.fixed;
        double percentage = band.divisor != 0.0 ? (base / band.divisor) * band.multiplier : 0.0;
        return base - percentage;
    }
    return netto;
}
