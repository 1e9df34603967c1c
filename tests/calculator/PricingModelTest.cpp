// The price calculator's pricing model on the headless window: worked examples to the last digit, the
// sentences byte for byte, what a run must leave alone, hostile input, and missing controls.
#include "calculator/Hauptfenster.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/NumberLocale.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using fw::ControlNamed;
using fw::EditField;
using fw::NumberLocale;
using fw::StaticText;

// The eleven results every run writes, in the order it writes them.
constexpr std::array<const char*, 11> kResults = {
    "AEKField",  "AEKNettoText", "AufschlagField", "nettoField",     "USTField",         "AVKField",
    "AVKNeuField", "AnzahlField", "SpanneField",   "RohgewinnField", "RohgewinnNeuField"};
constexpr std::array<const char*, 8> kInputs = {"AEKField",    "AufschlagField", "AVKField",      "AnzahlField",
                                                "SpanneField", "AnderungField",  "GHRabattField", "HerstellerField"};
const std::set<std::string> kLabels = {"AEKNettoText", "RohgewinnAnderungText", "PariText"};

// UTF-8 spelled out, so the sentences are compared byte for byte.
#define UE "\xC3\xBC"
#define OE "\xC3\xB6"
#define EURO "\xE2\x82\xAC"

constexpr const char* kUntouched = "(unber" UE "hrt)";

// The first worked example: AEK 10, markup 50 %, 10 packs, 5 % and 2 % discount, price change -10 %.
const std::map<std::string, std::string> kFirst = {{"AEKField", "10"},      {"AufschlagField", "50"},
                                                   {"AnzahlField", "10"},   {"GHRabattField", "5"},
                                                   {"HerstellerField", "2"}, {"AnderungField", "-10"}};

// Records the values the model hands to its overridable parts, so the exact doubles of a run show.
class ObservedHauptfenster : public Hauptfenster {
public:
    double calcSpanne(double netto, double aekNetto) override
    {
        netto_ = netto;
        aekNetto_ = aekNetto;
        spanne_ = Hauptfenster::calcSpanne(netto, aekNetto);
        return *spanne_;
    }
    double getAEK2003(double netto) override
    {
        bandNetto_ = netto;
        return Hauptfenster::getAEK2003(netto);
    }
    std::optional<double> netto_, aekNetto_, spanne_, bandNetto_;
};

class PricingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::RuntimeInit();
        fw::LookupClass<Hauptfenster>();
        fw::SetNumberLocale(NumberLocale::c());
        w = fw::SharedWindow<Hauptfenster>();
    }
    void TearDown() override
    {
        fw::ReleaseLiveWindows();
        fw::SetNumberLocale(saved_);
    }

    static bool isLabel(const std::string& name) { return kLabels.count(name) != 0; }
    // The text of an edit field or a label.
    static std::string textOf(const fw::Window& window, const std::string& name)
    {
        fw::Ref<fw::Control> control = fw::RuntimeWindowControlByName(window, name);
        if (auto* label = dynamic_cast<StaticText*>(control.get()))
            return label->text();
        return ControlNamed<EditField>(window, name)->text();
    }
    static void setTextOf(fw::Window& window, const std::string& name, std::string value)
    {
        fw::Ref<fw::Control> control = fw::RuntimeWindowControlByName(window, name);
        if (auto* label = dynamic_cast<StaticText*>(control.get()))
            label->setText(std::move(value));
        else
            ControlNamed<EditField>(window, name)->setText(std::move(value));
    }
    std::string text(const std::string& name) const { return textOf(*w, name); }
    void set(const std::string& name, std::string value) { setTextOf(*w, name, std::move(value)); }
    void select(const char* radio) { ControlNamed<fw::RadioButton>(*w, radio)->setValue(true); }
    void selectNone() { ControlNamed<fw::RadioButton>(*w, "radioUst19")->setValue(false); }
    void type(const std::map<std::string, std::string>& typed)
    {
        for (const auto& [field, value] : typed)
            set(field, value);
    }
    void fillFirstExample() { type(kFirst); }
    void markLabelsUntouched()
    {
        set("RohgewinnAnderungText", kUntouched);
        set("PariText", kUntouched);
    }

    fw::Ref<Hauptfenster> w;
    NumberLocale saved_ = fw::CurrentNumberLocale();
};

// ---------------------------------------------------------------------------------------------------
// Worked examples: the inputs as typed, the eleven results and the two labels as shown, and the exact
// doubles that reach calcSpanne (and getAEK2003 on the way back from a gross price).

struct Example {
    const char* name;
    const char* radio; // nullptr: no rate selected
    std::map<std::string, std::string> typed;
    std::array<const char*, 11> shown;
    const char* change; // RohgewinnAnderungText; nullptr: left alone
    const char* pari;   // PariText; nullptr: left alone
    double netto, aekNetto, spanne;
    std::optional<double> aek; // from the price bands
};

std::map<std::string, std::string> firstWith(std::map<std::string, std::string> changes)
{
    std::map<std::string, std::string> typed = kFirst;
    for (auto& [field, value] : changes)
        typed[field] = value;
    return typed;
}

#define SELL "Sie m" UE "ssen "
#define INSTEAD " Packungen anstelle von "
#define OLD " Packungen verkaufen, um den alten Rohgewinn von "
#define REACH EURO " zu erreichen"
#define NEGATIVE "Ihr Ertag ist negativ. Sie erwirtschaften nur noch Miese. Sie k" OE "nnen mir die"
#define TRANSFER EURO " direkt " UE "berweisen ;-)"

const Example kExamples[] = {
    {"Forward19", "radioUst19", kFirst,
     {"10.00", "9.30", "50.00%", "15.00", "2.85", "17.85", "16.07", "10", "38.00%", "57.00", "42.00"}, "-26.32%",
     SELL "13.57" INSTEAD "10" OLD "57.00" REACH, 15, 9.3, 37.99999999999999, {}},
    {"Forward16", "radioUst16", kFirst,
     {"10.00", "9.30", "50.00%", "15.00", "2.40", "17.40", "15.66", "10", "38.00%", "57.00", "42.00"}, "-26.32%",
     SELL "13.57" INSTEAD "10" OLD "57.00" REACH, 15, 9.3, 37.99999999999999, {}},
    {"Forward7", "radioUst7", kFirst,
     {"10.00", "9.30", "50.00%", "15.00", "1.05", "16.05", "14.45", "10", "38.00%", "57.00", "42.00"}, "-26.32%",
     SELL "13.57" INSTEAD "10" OLD "57.00" REACH, 15, 9.3, 37.99999999999999, {}},
    {"NoRateSelectedCountsAs7", nullptr, kFirst,
     {"10.00", "9.30", "50.00%", "15.00", "1.05", "16.05", "14.45", "10", "38.00%", "57.00", "42.00"}, "-26.32%",
     SELL "13.57" INSTEAD "10" OLD "57.00" REACH, 15, 9.3, 37.99999999999999, {}},
    {"TypedAVKIsOverwritten", "radioUst19", firstWith({{"AVKField", "99"}, {"SpanneField", "12"}}),
     {"10.00", "9.30", "50.00%", "15.00", "2.85", "17.85", "16.07", "10", "38.00%", "57.00", "42.00"}, "-26.32%",
     SELL "13.57" INSTEAD "10" OLD "57.00" REACH, 15, 9.3, 37.99999999999999, {}},
    {"Backward19IgnoresDiscounts", "radioUst19",
     {{"AEKField", ""}, {"AVKField", "119"}, {"GHRabattField", "5"}, {"HerstellerField", "2"}},
     {"76.92", "76.92", "30.00%", "100.00", "19.00", "119.00", "119.00", "1", "23.08%", "23.08", "23.08"}, ".00%",
     nullptr, 100, 76.92307692307692, 23.07692307692308, 76.92307692307692},
    {"Backward16WithChange", "radioUst16", {{"AVKField", "11.6"}, {"AnzahlField", "2"}, {"AnderungField", "5"}},
     {"6.37", "6.37", "57.00%", "10.00", "1.60", "11.60", "12.18", "2", "36.31%", "7.26", "8.26"}, "13.77%",
     SELL "1.76" INSTEAD "2" OLD "7.26" REACH, 10, 6.369426751592357, 36.30573248407643, 6.369426751592357},
    {"AllEmpty", "radioUst19", {},
     {".00", ".00", ".00%", ".00", ".00", ".00", ".00", "1", ".00%", ".00", ".00"}, nullptr,
     NEGATIVE ".00" TRANSFER, 0, 0, 0, {}},
    {"NegativeDiscountsCountAsNone", "radioUst19",
     firstWith({{"GHRabattField", "-5"}, {"HerstellerField", "-2"}, {"AnderungField", ""}}),
     {"10.00", "10.00", "50.00%", "15.00", "2.85", "17.85", "17.85", "10", "33.33%", "50.00", "50.00"}, ".00%",
     nullptr, 15, 10, 33.33333333333333, {}},
    {"NegativeYield", "radioUst19", firstWith({{"AnderungField", "-60"}}),
     {"10.00", "9.30", "50.00%", "15.00", "2.85", "17.85", "7.14", "10", "38.00%", "57.00", "-33.00"}, nullptr,
     NEGATIVE "-33.00" TRANSFER, 15, 9.3, 37.99999999999999, {}},
    {"ZeroOldProfit", "radioUst19",
     {{"AEKField", "10"}, {"AufschlagField", "0"}, {"AnzahlField", "10"}, {"AnderungField", "10"}},
     {"10.00", "10.00", ".00%", "10.00", "1.90", "11.90", "13.09", "10", ".00%", ".00", "10.00"},
     "\xE2\x88\x9E%", SELL ".00" INSTEAD "10" OLD ".00" REACH, 10, 10, 0, {}},
    {"NegativeCountStays", "radioUst19", firstWith({{"AnzahlField", "-3"}}),
     {"10.00", "9.30", "50.00%", "15.00", "2.85", "17.85", "16.07", "-3", "38.00%", "-17.10", "-12.60"}, nullptr,
     NEGATIVE "-12.60" TRANSFER, 15, 9.3, 37.99999999999999, {}},
    {"ZeroCountBecomesOne", "radioUst19", firstWith({{"AnzahlField", "0"}}),
     {"10.00", "9.30", "50.00%", "15.00", "2.85", "17.85", "16.07", "1", "38.00%", "5.70", "4.20"}, "-26.32%",
     SELL "1.36" INSTEAD "1" OLD "5.70" REACH, 15, 9.3, 37.99999999999999, {}},
    {"DiscountAbove100Percent", "radioUst19", firstWith({{"GHRabattField", "150"}}),
     {"10.00", "-5.20", "50.00%", "15.00", "2.85", "17.85", "16.07", "10", "134.67%", "202.00", "187.00"}, "-7.43%",
     SELL "10.80" INSTEAD "10" OLD "202.00" REACH, 15, -5.2, 134.66666666666666, {}},
};

class ObservedTest : public PricingTest {
protected:
    void SetUp() override
    {
        PricingTest::SetUp();
        // The observing window replaces the shared one for these tests.
        w->Close();
        observed_ = fw::MakeRef<ObservedHauptfenster>();
        observed_->Construct();
        w = observed_;
    }
    fw::Ref<ObservedHauptfenster> observed_;
};

void PrintTo(const Example& row, std::ostream* os) { *os << row.name; }

class WorkedExamples : public ObservedTest, public ::testing::WithParamInterface<Example> {};

TEST_P(WorkedExamples, ShowTheirResults)
{
    const Example& e = GetParam();
    if (e.radio)
        select(e.radio);
    else
        selectNone();
    type(e.typed);
    markLabelsUntouched();

    w->calcAll();

    for (std::size_t i = 0; i < kResults.size(); ++i)
        EXPECT_EQ(text(kResults[i]), e.shown[i]) << kResults[i];
    EXPECT_EQ(text("RohgewinnAnderungText"), e.change ? e.change : kUntouched);
    EXPECT_EQ(text("PariText"), e.pari ? e.pari : kUntouched);
    ASSERT_TRUE(observed_->netto_.has_value());
    EXPECT_EQ(*observed_->netto_, e.netto);
    EXPECT_EQ(*observed_->aekNetto_, e.aekNetto);
    EXPECT_EQ(*observed_->spanne_, e.spanne);
    if (e.aek) {
        ASSERT_TRUE(observed_->bandNetto_.has_value()) << "the gross price must go through the price bands";
        EXPECT_EQ(*observed_->bandNetto_, e.netto);
        EXPECT_EQ(w->getAEK2003(e.netto), *e.aek);
    } else {
        EXPECT_FALSE(observed_->bandNetto_.has_value()) << "a purchase price needs no price bands";
    }
}

INSTANTIATE_TEST_SUITE_P(Calculator, WorkedExamples, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ObservedTest, CalculateOTCTakesTheArgumentsButReadsTheChangeFromItsField)
{
    set("GHRabattField", "5");
    set("HerstellerField", "2");
    set("AnderungField", "-10");
    EXPECT_TRUE(w->calculateOTC(10, 50, 99, 10, 12, 999));
    EXPECT_EQ(*observed_->netto_, 15);
    EXPECT_EQ(*observed_->aekNetto_, 9.3);
    EXPECT_EQ(text("AVKNeuField"), "16.07");
    EXPECT_EQ(text("RohgewinnNeuField"), "42.00");
}

// The backward run rewrites the purchase price and markup; the next run starts from those texts, takes
// the forward path and now applies the discount.
TEST_F(ObservedTest, SecondRunAfterBackwardGoesForwardFromTheShownTexts)
{
    set("AVKField", "119");
    set("GHRabattField", "5");
    w->calcAll();
    observed_->bandNetto_.reset();
    w->calcAll();
    EXPECT_FALSE(observed_->bandNetto_.has_value());
    EXPECT_EQ(*observed_->netto_, 99.99600000000001);
    EXPECT_EQ(text("AVKField"), "119.00");
    EXPECT_EQ(text("nettoField"), "100.00");
    EXPECT_EQ(text("AEKNettoText"), "73.07");
}

TEST_F(PricingTest, SpanneIsTheMarginOnTheNetPrice)
{
    struct Row {
        double netto, aekNetto, spanne;
    };
    for (const Row& r : {Row{15, 9.3, 37.99999999999999}, Row{100, 76.92307692307692, 23.07692307692308},
                         Row{10, 6.369426751592357, 36.30573248407643}, Row{15, 10, 33.33333333333333},
                         Row{15, 20, -33.33333333333333}, Row{0, 5, 0}, Row{-10, 5, 0}, Row{std::nan(""), 5, 0}})
        EXPECT_EQ(w->calcSpanne(r.netto, r.aekNetto), r.spanne) << r.netto << " / " << r.aekNetto;
}

TEST_F(PricingTest, CountsBeyondInt32Saturate)
{
    for (const auto& [typed, shown] : {std::pair{"1e20", "2147483647"}, std::pair{"-1e20", "-2147483648"}}) {
        fillFirstExample();
        set("AnzahlField", typed);
        EXPECT_NO_THROW(w->calcAll());
        EXPECT_EQ(text("AnzahlField"), shown);
    }
}

// A run over its own output reads back what it showed and shows the same again.
TEST_F(PricingTest, ShownResultsAreAFixedPointInBothLocales)
{
    for (const NumberLocale& locale : {NumberLocale::c(), NumberLocale::german()}) {
        fw::SetNumberLocale(locale);
        fillFirstExample();
        w->calcAll();
        std::vector<std::string> first;
        for (const char* name : kResults)
            first.push_back(text(name));
        w->calcAll();
        for (std::size_t i = 0; i < kResults.size(); ++i)
            EXPECT_EQ(text(kResults[i]), first[i]) << kResults[i] << " in locale " << locale.decimalSeparator;
    }
}

// ---------------------------------------------------------------------------------------------------
// The sentences byte for byte, in both locales.

struct Sentence {
    const char* name;
    bool german;
    std::map<std::string, std::string> typed;
    const char* pari;
    const char* change;
};

const Sentence kSentences[] = {
    {"SellMoreC", false, kFirst, SELL "13.57" INSTEAD "10" OLD "57.00" REACH, "-26.32%"},
    {"SellMoreGerman", true, kFirst, SELL "13,57" INSTEAD "10" OLD "57,00" REACH, "-26,32%"},
    {"NegativeC", false, firstWith({{"AnderungField", "-60"}}), NEGATIVE "-33.00" TRANSFER, kUntouched},
    {"NegativeGerman", true, firstWith({{"AnderungField", "-60"}}), NEGATIVE "-33,00" TRANSFER, kUntouched},
    {"EmptyC", false, {}, NEGATIVE ".00" TRANSFER, kUntouched},
    {"EmptyGerman", true, {}, NEGATIVE ",00" TRANSFER, kUntouched},
    {"GermanInputWithComma", true, {{"AEKField", "12,50"}, {"AufschlagField", "40,00%"}, {"AnderungField", "2,5"}},
     SELL ",92" INSTEAD "1" OLD "5,00" REACH, "8,75%"},
};

void PrintTo(const Sentence& row, std::ostream* os) { *os << row.name; }

class Sentences : public PricingTest, public ::testing::WithParamInterface<Sentence> {};

TEST_P(Sentences, AreShownByteForByte)
{
    const Sentence& s = GetParam();
    fw::SetNumberLocale(s.german ? NumberLocale::german() : NumberLocale::c());
    type(s.typed);
    markLabelsUntouched();
    w->calcAll();
    EXPECT_EQ(text("PariText"), s.pari);
    EXPECT_EQ(text("RohgewinnAnderungText"), s.change);
}

INSTANTIATE_TEST_SUITE_P(Calculator, Sentences, ::testing::ValuesIn(kSentences),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// What a run leaves alone: every control's text is marked; afterwards only the expected ones differ.

struct Touch {
    const char* name;
    std::map<std::string, std::string> typed;
    std::set<std::string> labelsWritten;
};

void PrintTo(const Touch& row, std::ostream* os) { *os << row.name; }

class RunsLeaveAlone : public PricingTest, public ::testing::WithParamInterface<Touch> {};

TEST_P(RunsLeaveAlone, EverythingButTheResults)
{
    const Touch& t = GetParam();
    std::map<std::string, std::string> before;
    std::map<std::string, bool> radios;
    select("radioUst16");
    for (const fw::Ref<fw::Control>& control : w->controls()) {
        const std::string& name = control->name();
        if (auto* field = dynamic_cast<EditField*>(control.get())) {
            auto typed = t.typed.find(name);
            field->setText(typed != t.typed.end() ? typed->second : "~" + name);
            before[name] = field->text();
        } else if (auto* label = dynamic_cast<StaticText*>(control.get())) {
            label->setText("~" + name);
            before[name] = label->text();
        } else if (auto* radio = dynamic_cast<fw::RadioButton*>(control.get())) {
            radios[name] = radio->value();
        }
    }

    w->calcAll();

    std::set<std::string> expected(kResults.begin(), kResults.end());
    expected.insert(t.labelsWritten.begin(), t.labelsWritten.end());
    for (const auto& [name, text] : before) {
        const std::string now = this->text(name);
        if (expected.count(name))
            EXPECT_FALSE(now.empty() || now.starts_with("~")) << name << " was not written";
        else
            EXPECT_EQ(now, text) << name << " must be left alone";
    }
    for (const auto& [name, value] : radios)
        EXPECT_EQ(ControlNamed<fw::RadioButton>(*w, name)->value(), value) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, RunsLeaveAlone,
    ::testing::Values(
        Touch{"ProfitChanges", {{"AEKField", "10"}, {"AufschlagField", "50"}, {"AnzahlField", "10"},
                                {"GHRabattField", " 5 %"}, {"HerstellerField", "2.0"}, {"AnderungField", "-10.000"}},
              {"RohgewinnAnderungText", "PariText"}},
        Touch{"ProfitUnchanged", {{"AEKField", "10"}, {"AufschlagField", "50"}, {"GHRabattField", "5"},
                                  {"HerstellerField", "2"}, {"AnderungField", "0"}},
              {"RohgewinnAnderungText"}},
        Touch{"ProfitNegative", {{"AEKField", "10"}, {"AufschlagField", "50"}, {"AnderungField", "-60 %"},
                                 {"GHRabattField", "abc"}, {"HerstellerField", ""}},
              {"PariText"}},
        Touch{"Backward", {{"AEKField", "0"}, {"AVKField", "11.6"}, {"AnderungField", "5"}},
              {"RohgewinnAnderungText", "PariText"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------
// Hostile input: whatever is typed into whichever field, the run completes and shows all eleven results.

struct BadText {
    const char* name;
    std::string text;
};

const BadText kBadTexts[] = {
    {"Empty", ""},
    {"Letters", "abc"},
    {"EuroAmount", "12,50 \xE2\x82\xAC"},
    {"Minus", "-"},
    {"Comma", ","},
    {"Dot", "."},
    {"Overflow", "1e400"},
    {"NegativeOverflow", "-1e400"},
    {"Underflow", "1e-400"},
    {"TenThousandDigits", std::string(10000, '9')},
    {"TenThousandDecimals", "0." + std::string(10000, '0') + "1"},
    {"Pill", "\xF0\x9F\x92\x8A"},
    {"NulInside", std::string("1\0" "2", 3)},
    {"NaNWord", "nan"},
    {"InfWord", "inf"},
    {"Infinity", "\xE2\x88\x9E"},
    {"InvalidUtf8", "\xFF\xFE\x80"},
    {"Blanks", "   "},
    {"DoubleSign", "--5"},
    {"TwoPoints", "1.2.3"},
    {"Percent", "%"},
    {"HugeExponent", "1e99999999999999999999"},
};

void PrintTo(const BadText& row, std::ostream* os) { *os << row.name; }

class BadInput : public PricingTest,
                 public ::testing::WithParamInterface<std::tuple<const char*, BadText>> {
protected:
    void expectAllResultsShown(const std::string& context)
    {
        for (const char* name : kResults)
            EXPECT_FALSE(text(name).empty()) << name << " after " << context;
    }
};

TEST_P(BadInput, StillGivesAllResults)
{
    const auto& [field, bad] = GetParam();
    for (const char* rate : {"radioUst19", "radioUst16", "radioUst7"}) {
        select(rate);
        fillFirstExample();
        set("AVKField", "11.6");
        set(field, bad.text);
        EXPECT_NO_THROW(w->calcAll());
        expectAllResultsShown(rate);
        // The next run reads the texts it just showed, whatever they became.
        EXPECT_NO_THROW(w->calcAll());
        expectAllResultsShown(std::string(rate) + ", second run");
    }
}

INSTANTIATE_TEST_SUITE_P(Calculator, BadInput,
                         ::testing::Combine(::testing::ValuesIn(kInputs), ::testing::ValuesIn(kBadTexts)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

TEST_F(PricingTest, BadTextInEveryFieldAtOnce)
{
    for (const BadText& bad : kBadTexts) {
        for (const char* field : kInputs)
            set(field, bad.text);
        EXPECT_NO_THROW(w->calcAll()) << bad.name;
        for (const char* name : kResults)
            EXPECT_FALSE(text(name).empty()) << name << " after " << bad.name;
    }
}

// ---------------------------------------------------------------------------------------------------
// Missing controls: a bare window with only some controls. The run stops with NilObjectException at the
// first control it needs and does not find; what it wrote before stays written.

enum class Outcome { Completes, Nil, Cast };

struct Missing {
    const char* name;
    const char* left;      // the control the window lacks
    const char* mistyped;  // a label present as an edit field instead
    bool backward;
    const char* change;    // AnderungField
    Outcome outcome;
    std::size_t writtenBefore; // how many of the eleven results were written
};

void PrintTo(const Missing& row, std::ostream* os) { *os << row.name; }

class MissingControl : public PricingTest, public ::testing::WithParamInterface<Missing> {};

TEST_P(MissingControl, StopsWhereItIsNeeded)
{
    const Missing& m = GetParam();
    auto bare = fw::MakeRef<Hauptfenster>();
    std::vector<std::string> names(kInputs.begin(), kInputs.end());
    names.insert(names.end(), {"nettoField", "USTField", "AVKNeuField", "RohgewinnField", "RohgewinnNeuField",
                               "AEKNettoText", "RohgewinnAnderungText", "PariText"});
    for (const std::string& name : names) {
        if (name == m.left)
            continue;
        if (isLabel(name) && name != m.mistyped)
            bare->AddControl(name, fw::MakeRef<StaticText>());
        else
            bare->AddControl(name, fw::MakeRef<EditField>());
    }
    for (const char* radio : {"radioUst19", "radioUst16", "radioUst7"})
        if (std::string(radio) != m.left)
            bare->AddControl(radio, fw::MakeRef<fw::RadioButton>());
    if (auto radio19 = fw::RuntimeWindowControlByName(*bare, "radioUst19"))
        static_cast<fw::RadioButton&>(*radio19).setValue(true);

    for (const fw::Ref<fw::Control>& control : bare->controls()) {
        if (auto* field = dynamic_cast<EditField*>(control.get()))
            field->setText("~");
        if (auto* label = dynamic_cast<StaticText*>(control.get()))
            label->setText("~");
    }
    const std::map<std::string, std::string> typed = {
        {"AEKField", m.backward ? "" : "10.0"}, {"AufschlagField", "50"}, {"AVKField", "119"}, {"AnzahlField", "10.0"},
        {"SpanneField", ""}, {"AnderungField", m.change}, {"GHRabattField", "5"}, {"HerstellerField", "2"}};
    for (const auto& [name, value] : typed)
        if (auto control = fw::RuntimeWindowControlByName(*bare, name); control && name != m.mistyped)
            static_cast<EditField&>(*control).setText(value);

    switch (m.outcome) {
    case Outcome::Completes:
        EXPECT_NO_THROW(bare->calcAll());
        break;
    case Outcome::Nil:
        EXPECT_THROW(bare->calcAll(), fw::NilObjectException);
        break;
    case Outcome::Cast:
        EXPECT_THROW(bare->calcAll(), fw::IllegalCastException);
        break;
    }

    for (std::size_t i = 0; i < kResults.size(); ++i) {
        auto control = fw::RuntimeWindowControlByName(*bare, kResults[i]);
        if (!control || kResults[i] == std::string(m.mistyped))
            continue;
        // The typed inputs never read the same as their formatted results.
        const std::string now = textOf(*bare, kResults[i]);
        const bool input = typed.count(kResults[i]) != 0;
        const bool written = now != (input ? typed.at(kResults[i]) : "~");
        if (i < m.writtenBefore)
            EXPECT_TRUE(written) << kResults[i] << " should have been written";
        else
            EXPECT_FALSE(written) << kResults[i] << " was written after the missing control";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, MissingControl,
    ::testing::Values(Missing{"AEKField", "AEKField", "", false, "-10", Outcome::Nil, 0},
                      Missing{"AnderungFieldReadFirst", "AnderungField", "", false, "-10", Outcome::Nil, 0},
                      Missing{"GHRabattForward", "GHRabattField", "", false, "-10", Outcome::Nil, 0},
                      Missing{"GHRabattBackward", "GHRabattField", "", true, "-10", Outcome::Completes, 11},
                      Missing{"HerstellerBackward", "HerstellerField", "", true, "-10", Outcome::Completes, 11},
                      Missing{"Radio19", "radioUst19", "", false, "-10", Outcome::Nil, 0},
                      Missing{"Radio16NotAskedWhen19", "radioUst16", "", false, "-10", Outcome::Completes, 11},
                      Missing{"Radio7NeverAsked", "radioUst7", "", false, "-10", Outcome::Completes, 11},
                      Missing{"AEKNettoText", "AEKNettoText", "", false, "-10", Outcome::Nil, 1},
                      Missing{"USTField", "USTField", "", false, "-10", Outcome::Nil, 4},
                      Missing{"RohgewinnNeuField", "RohgewinnNeuField", "", false, "-10", Outcome::Nil, 10},
                      Missing{"ChangeLabel", "RohgewinnAnderungText", "", false, "-10", Outcome::Nil, 11},
                      Missing{"ChangeLabelUnusedWhenNegative", "RohgewinnAnderungText", "", false, "-60",
                              Outcome::Completes, 11},
                      Missing{"PariText", "PariText", "", false, "-10", Outcome::Nil, 11},
                      Missing{"PariTextUnusedWhenUnchanged", "PariText", "", false, "", Outcome::Completes, 11},
                      Missing{"LabelAsEditField", "", "AEKNettoText", false, "-10", Outcome::Cast, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PricingTest, MissingControlIsNamed)
{
    auto bare = fw::MakeRef<Hauptfenster>();
    try {
        bare->calcAll();
        FAIL() << "a window without controls cannot calculate";
    } catch (const fw::NilObjectException& e) {
        EXPECT_NE(std::string(e.what()).find("AEKField"), std::string::npos) << e.what();
    }
}

} // namespace
