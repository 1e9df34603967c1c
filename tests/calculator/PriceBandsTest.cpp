// getAEK2003: the purchase price behind a net selling price, by price bands. The rows name the band a
// net price must fall in; the result has to be exactly that band's formula for that price.
#include "calculator/Hauptfenster.h"

#include "framework/Application.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The bands by number as the price rules list them; band 0 stands for "no band, price unchanged".
struct BandRule {
    double fixed;
    double divisor; // 0: fixed amount only
    double multiplier;
};
constexpr BandRule kRules[] = {
    {0, 0, 0},           {111.24, 108.263, 8.26}, {0, 130, 30}, {10.78, 0, 0}, {0, 137, 37},
    {8.35, 0, 0},        {0, 143, 43},            {5.83, 0, 0}, {0, 148, 48},  {4.16, 0, 0},
    {0, 157, 57},        {2.41, 0, 0},            {0, 162, 62}, {0.83, 0, 0},  {0, 168, 68},
};

double inBand(int band, double x)
{
    if (band == 0)
        return x;
    const BandRule& rule = kRules[band];
    double base = x - rule.fixed;
    return rule.divisor == 0 ? base : base - (base / rule.divisor) * rule.multiplier;
}

double above(double x) { return std::nextafter(x, kInf); }
double below(double x) { return std::nextafter(x, -kInf); }

class PriceBandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::RuntimeInit();
        fw::LookupClass<Hauptfenster>();
        window_ = fw::SharedWindow<Hauptfenster>();
    }
    void TearDown() override { window_->Close(); }
    double aek(double netto) { return window_->getAEK2003(netto); }

    fw::Ref<Hauptfenster> window_;
};

// Net prices with the purchase price worked out by hand (six decimals) or exactly.
struct KnownPrice {
    double netto;
    double aek;
    bool exact;
};

void PrintTo(const KnownPrice& row, std::ostream* os) { *os << "net " << row.netto; }

class KnownPrices : public PriceBandsTest, public ::testing::WithParamInterface<KnownPrice> {};

TEST_P(KnownPrices, GiveTheirPurchasePrice)
{
    const KnownPrice& row = GetParam();
    if (row.exact)
        EXPECT_EQ(aek(row.netto), row.aek) << row.netto;
    else
        EXPECT_NEAR(aek(row.netto), row.aek, 5e-7) << row.netto;
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnownPrices,
    ::testing::Values(KnownPrice{1000, 820.951445, false}, KnownPrice{707.11, 550.407689, false},
                      KnownPrice{100, 76.92307692307692, true}, KnownPrice{46.72, 35.94, false},
                      KnownPrice{40, 29.22, false}, KnownPrice{35, 25.547445, false}, KnownPrice{30, 21.65, false},
                      KnownPrice{20, 13.986014, false}, KnownPrice{19, 13.17, false},
                      KnownPrice{15, 10.135135, false}, KnownPrice{12, 7.84, false},
                      KnownPrice{10, 6.369426751592357, true}, KnownPrice{6.5, 4.09, false},
                      KnownPrice{5, 3.086420, false}, KnownPrice{2.1, 1.27, false},
                      KnownPrice{2.17, 1.3399999999999999, true},
                      // Former gaps between the bands, now in the cheaper band below.
                      KnownPrice{12.84, 8.68, false}, KnownPrice{12.835, 8.675, false},
                      KnownPrice{6.64, 4.23, false}, KnownPrice{2.18, 1.35, false},
                      KnownPrice{707.1, 707.1 - (707.1 / 130) * 30, true}));

// Where a net price falls: value, band.
struct BandRow {
    double netto;
    int band;
};

void PrintTo(const BandRow& row, std::ostream* os) { *os << "net " << row.netto << " in band " << row.band; }

class BandOf : public PriceBandsTest, public ::testing::WithParamInterface<BandRow> {};

TEST_P(BandOf, NetPrice)
{
    const BandRow& row = GetParam();
    EXPECT_EQ(aek(row.netto), inBand(row.band, row.netto)) << row.netto << " belongs to band " << row.band;
}

INSTANTIATE_TEST_SUITE_P(
    InsideBands, BandOf,
    ::testing::Values(BandRow{1000, 1}, BandRow{1e9, 1}, BandRow{500, 2}, BandRow{46.72, 3}, BandRow{42, 3},
                      BandRow{35, 4}, BandRow{30.93, 5}, BandRow{29, 5}, BandRow{20, 6}, BandRow{19.39, 7},
                      BandRow{18.5, 7}, BandRow{15, 8}, BandRow{12.83, 9}, BandRow{12, 9}, BandRow{11.46, 10},
                      BandRow{8, 10}, BandRow{6.63, 11}, BandRow{6.5, 11}, BandRow{6.29, 12}, BandRow{4, 12},
                      BandRow{2.1, 13}, BandRow{1, 14}, BandRow{0.01, 14},
                      BandRow{std::numeric_limits<double>::denorm_min(), 14}, BandRow{0, 0}, BandRow{-5, 0},
                      BandRow{-1e300, 0}));

// Net prices that once fell between two bands.
INSTANTIATE_TEST_SUITE_P(
    FormerGaps, BandOf,
    ::testing::Values(BandRow{707.1, 2}, BandRow{707.105, 2}, BandRow{39.93, 4}, BandRow{27.78, 6},
                      BandRow{17.98, 8}, BandRow{12.84, 9}, BandRow{12.835, 9}, BandRow{11.47, 10},
                      BandRow{11.465, 10}, BandRow{6.64, 11}, BandRow{6.635, 11}, BandRow{6.3, 12},
                      BandRow{6.295, 12}, BandRow{2.18, 13}, BandRow{2.175, 13}, BandRow{2.06, 14},
                      BandRow{above(2.06), 13}, BandRow{2.0, 14}));

// Each joint between two bands: the band of the joint itself, of the next double above and below.
struct Joint {
    double at;
    int bandAt;
    int bandAbove;
    int bandBelow;
};

void PrintTo(const Joint& row, std::ostream* os) { *os << "joint " << row.at; }

class Joints : public PriceBandsTest, public ::testing::WithParamInterface<Joint> {};

TEST_P(Joints, GoToTheCheaperBandBelowExceptAtTheTop)
{
    const Joint& j = GetParam();
    EXPECT_EQ(aek(j.at), inBand(j.bandAt, j.at)) << j.at;
    EXPECT_EQ(aek(above(j.at)), inBand(j.bandAbove, above(j.at))) << "just above " << j.at;
    EXPECT_EQ(aek(below(j.at)), inBand(j.bandBelow, below(j.at))) << "just below " << j.at;
}

INSTANTIATE_TEST_SUITE_P(
    AllJoints, Joints,
    ::testing::Values(Joint{707.11, 1, 1, 2}, Joint{46.72, 3, 2, 3}, Joint{39.93, 4, 3, 4}, Joint{30.93, 5, 4, 5},
                      Joint{27.78, 6, 5, 6}, Joint{19.39, 7, 6, 7}, Joint{17.98, 8, 7, 8}, Joint{12.84, 9, 8, 9},
                      Joint{11.47, 10, 9, 10}, Joint{6.64, 11, 10, 11}, Joint{6.3, 12, 11, 12},
                      Joint{2.18, 13, 12, 13}, Joint{2.06, 14, 13, 14}, Joint{0.0, 0, 14, 0}));

TEST_F(PriceBandsTest, NaNFallsInTheTopBandAndStaysNaN) { EXPECT_TRUE(std::isnan(aek(std::nan("")))); }

// Every positive net price has a purchase price above zero and not above the net price (equal only
// where the markup underflows); zero and negative prices come back unchanged.
TEST_F(PriceBandsTest, SweepOverNetPrices)
{
    std::mt19937_64 random(20030101);
    std::uniform_real_distribution<double> cents(0.0, 800.0);
    std::uniform_real_distribution<double> exponent(-300.0, 300.0);
    std::uniform_real_distribution<double> nearJoint(-1e-6, 1e-6);
    const double joints[] = {707.11, 46.72, 39.93, 30.93, 27.78, 19.39, 17.98,
                             12.84,  11.47, 6.64,  6.3,   2.18,  2.06};
    std::vector<double> prices{std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min()};
    for (int i = 0; i < 20000; ++i) {
        prices.push_back(cents(random));
        prices.push_back(std::pow(10.0, exponent(random)));
        prices.push_back(joints[i % std::size(joints)] + nearJoint(random));
    }
    int failures = 0;
    for (double x : prices) {
        if (x <= 0)
            continue;
        double result = aek(x);
        if (!(result > 0 && result <= x) && ++failures < 10)
            ADD_FAILURE() << "net price " << x << " gives purchase price " << result;
        double negative = -x;
        if (aek(negative) != negative && ++failures < 10)
            ADD_FAILURE() << "net price " << negative << " was changed to " << aek(negative);
    }
    EXPECT_EQ(failures, 0);
}

} // namespace
