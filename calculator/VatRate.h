// The VAT rates of the price calculator and their constants. The VAT contained in a gross amount x is
// (x / divisor) * share, dividing first; factor serves only for the VAT on a net amount.
#pragma once

struct VatRate {
    double divisor;
    double share;
    double factor;
};

inline constexpr VatRate kVat19{119.0, 19.0, 0.19};
inline constexpr VatRate kVat16{116.0, 16.0, 0.16};
inline constexpr VatRate kVat7{107.0, 7.0, 0.07};
