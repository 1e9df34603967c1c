// The order of the arithmetic, seen in the shown texts. Every formula of the price calculation is
// evaluated in one fixed order; a reordering that is the same in exact arithmetic
// (another association, multiplying before dividing, a factor in place of divisor and share) changes
// the last bit of a double, and for the inputs below that bit moves a shown text by one cent. Each row
// names the reorderings it tells apart; the expected texts are those of the right order.
#include "calculator/Hauptfenster.h"

#include "framework/Application.h"
#include "framework/NumberLocale.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using fw::ControlNamed;
using fw::EditField;

#define UE "\xC3\xBC"
#define EURO "\xE2\x82\xAC"
#define SELL(packs, count, profit)                                                                         \
    "Sie m" UE "ssen " packs " Packungen anstelle von " count                                                \
    " Packungen verkaufen, um den alten Rohgewinn von " profit EURO " zu erreichen"

struct OrderRow {
    const char* name;
    const char* radio; // the selected VAT rate
    std::map<std::string, std::string> typed;
    std::vector<std::pair<std::string, std::string>> shown; // control, text
};

void PrintTo(const OrderRow& row, std::ostream* os) { *os << row.name; }

// C locale throughout. Inputs not named are empty; the affected controls are listed with the text the
// right order shows (the wrong orders named in the comment show one cent more or less).
const OrderRow kOrderRows[] = {
    // Netto = AEK + ((AEK / 100) * Aufschlag), not AEK + (AEK * Aufschlag) / 100,
    // AEK + AEK * (Aufschlag / 100), AEK * (1 + Aufschlag / 100), AEK * (100 + Aufschlag) / 100
    // nor (AEK / 100) * (100 + Aufschlag).
    {"NetPrice", "radioUst7", {{"AEKField", "7.50"}, {"AufschlagField", "77"}, {"AnzahlField", "3"}},
     {{"nettoField", "13.27"}, {"RohgewinnField", "17.32"}, {"RohgewinnNeuField", "17.32"}}},
    // Discount = (AEK / 100) * percent, not AEK * percent / 100 nor AEK * (percent / 100); both fields.
    {"WholesaleDiscount", "radioUst19",
     {{"AEKField", "6.85"}, {"AufschlagField", "0"}, {"AnzahlField", "8"}, {"GHRabattField", "10"}},
     {{"AEKNettoText", "6.17"}}},
    {"ManufacturerDiscount", "radioUst19",
     {{"AEKField", "6.85"}, {"AufschlagField", "0"}, {"AnzahlField", "8"}, {"HerstellerField", "10"}},
     {{"AEKNettoText", "6.17"}}},
    // AEKNetto = (AEK - wholesale) - manufacturer, not AEK - (wholesale + manufacturer) nor the
    // manufacturer's discount taken off first.
    {"NetPurchasePrice", "radioUst16",
     {{"AEKField", "4.50"}, {"AufschlagField", "82"}, {"AnzahlField", "7"}, {"GHRabattField", "7"},
      {"HerstellerField", "6"}},
     {{"AEKNettoText", "3.91"}, {"RohgewinnField", "29.93"}, {"RohgewinnNeuField", "29.93"}}},
    // Backward: the VAT in AVK is (AVK / 119) * 19, not (AVK * 19) / 119 nor AVK * (19 / 119); nor is the
    // net price AVK / 1.19, AVK / 119 * 100 or AVK * 100 / 119. The net price itself never shows it.
    {"VatShareOfGrossPrice", "radioUst19",
     {{"AVKField", "38.25"}, {"AnzahlField", "7"}, {"AnderungField", "2"}},
     {{"AVKNeuField", "39.01"}}},
    // USTBetrag = Netto * 0.19, not (Netto / 100) * 19 nor Netto * 19 / 100.
    {"VatOnNetPrice", "radioUst19", {{"AEKField", "707.80"}, {"AufschlagField", "150"}, {"AnzahlField", "2"}},
     {{"USTField", "336.21"}, {"AVKField", "2105.71"}}},
    {"VatOnNetPriceDividedFirst", "radioUst19", {{"AEKField", "7"}, {"AufschlagField", "50"}},
     {{"USTField", "2.00"}}},
    // AVK = Netto + USTBetrag, not Netto * 1.19 nor (Netto / 100) * 119 ...
    {"GrossPriceAsSum", "radioUst19", {{"AEKField", "3"}, {"AufschlagField", "50"}},
     {{"AVKField", "5.36"}, {"AVKNeuField", "5.36"}}},
    // ... nor Netto * 119 / 100.
    {"GrossPriceNotScaled", "radioUst19", {{"AEKField", "45.50"}, {"AufschlagField", "0"}},
     {{"AVKField", "54.14"}, {"AVKNeuField", "54.14"}}},
    // Spanne = ((Netto - AEKNetto) / Netto) * 100, not (Netto - AEKNetto) * 100 / Netto,
    // (1 - AEKNetto / Netto) * 100, 100 - AEKNetto / Netto * 100 nor (Netto - AEKNetto) / (Netto / 100).
    {"Margin", "radioUst7", {{"AEKField", "98"}, {"AufschlagField", "28"}}, {{"SpanneField", "21.87%"}}},
    // Rohgewinn = Anzahl * (Netto - AEKNetto), not Anzahl * Netto - Anzahl * AEKNetto (which would also
    // write the break-even sentence for a profit that did not change).
    {"GrossProfit", "radioUst16", {{"AEKField", "2.10"}, {"AufschlagField", "5"}, {"AnzahlField", "5"}},
     {{"RohgewinnField", ".52"}, {"RohgewinnNeuField", ".52"}, {"PariText", ""}}},
    // AnderungBetrag = (AVK / 100) * change, not AVK * change / 100 nor AVK * (change / 100).
    {"ChangeAsGrossAmount", "radioUst16",
     {{"AVKField", "3.77"}, {"AnzahlField", "2"}, {"AnderungField", "50"}},
     {{"AVKNeuField", "5.65"}}},
    // AnderungNetto = change - ((change / 119) * 19), not change - (change * 19) / 119,
    // change * (1 - 19 / 119), (change / 119) * 100, change * 100 / 119, change - change * (19 / 119)
    // nor change / 1.19.
    {"ChangeWithoutVat", "radioUst19",
     {{"AEKField", "4.34"}, {"AufschlagField", "0"}, {"AnzahlField", "5"}, {"AnderungField", "55"}},
     {{"RohgewinnNeuField", "11.93"}}},
    {"ChangeWithoutVatMultipliedFirst", "radioUst19",
     {{"AEKField", "6.53"}, {"AufschlagField", "50"}, {"AnzahlField", "10"}, {"AnderungField", "10"}},
     {{"RohgewinnNeuField", "42.45"}}},
    // RohgewinnNeu = Anzahl * ((Netto - AEKNetto) + AnderungNetto), not Rohgewinn + Anzahl * AnderungNetto,
    // Anzahl * ((Netto + AnderungNetto) - AEKNetto) nor Anzahl * (Netto - (AEKNetto - AnderungNetto)).
    {"NewGrossProfit", "radioUst19",
     {{"AEKField", "26"}, {"AufschlagField", "25"}, {"AnzahlField", "7"}, {"AnderungField", "3"}},
     {{"RohgewinnNeuField", "52.32"}}},
    // AVKNeu = AVK + AnderungBetrag, not AVK * (1 + change / 100), AVK * (100 + change) / 100
    // nor (AVK / 100) * (100 + change).
    {"NewGrossPrice", "radioUst19", {{"AVKField", "8.10"}, {"AnzahlField", "8"}, {"AnderungField", "5"}},
     {{"AVKNeuField", "8.50"}}},
    // ((1 - RohgewinnNeu / Rohgewinn) * 100) * -1, not (RohgewinnNeu - Rohgewinn) / Rohgewinn * 100,
    // RohgewinnNeu / Rohgewinn * 100 - 100 nor (RohgewinnNeu - Rohgewinn) * 100 / Rohgewinn.
    {"ChangeOfGrossProfit", "radioUst16",
     {{"AEKField", "9"}, {"AufschlagField", "74"}, {"AnzahlField", "2"}, {"AnderungField", "7"},
      {"GHRabattField", "6"}},
     {{"RohgewinnAnderungText", "15.23%"}}},
    // PariAnzahl = Anzahl * (Rohgewinn / RohgewinnNeu), not (Anzahl * Rohgewinn) / RohgewinnNeu nor
    // Anzahl / (RohgewinnNeu / Rohgewinn).
    {"BreakEvenCount", "radioUst16", {{"AVKField", "54.32"}, {"AnzahlField", "11"}, {"AnderungField", "4"}},
     {{"PariText", SELL("9.37", "11", "118.87")}}},
    // Backward: the markup is ((Netto - AEK) * 100) / AEK, not ((Netto - AEK) / AEK) * 100.
    {"MarkupFromGrossPrice", "radioUst19", {{"AVKField", "13.6544"}}, {{"AufschlagField", "56.87%"}}},
    // In the top price band the purchase price is (net - 111.24) - percentage, not net - (111.24 + percentage).
    {"TopBandFixedAmountFirst", "radioUst19", {{"AVKField", "1289.434883331"}}, {{"AEKField", "898.13"}}},
    // Neither price positive: no path runs, the net price stays 0 and the typed values are written back.
    {"NoPositivePrice", "radioUst19", {{"AEKField", "-5"}, {"AufschlagField", "20"}},
     {{"AEKField", "-5.00"}, {"AEKNettoText", "-5.00"}, {"AufschlagField", "20.00%"}, {"nettoField", ".00"}}},
    // The count is rounded half away from zero, not truncated nor rounded to even.
    {"CountRoundsHalfUp", "radioUst19", {{"AEKField", "10"}, {"AnzahlField", "2.5"}}, {{"AnzahlField", "3"}}},
    {"NegativeCountRoundsHalfDown", "radioUst19", {{"AEKField", "10"}, {"AnzahlField", "-2.5"}},
     {{"AnzahlField", "-3"}}},
};

// The price calculator on the plain window model, in the C locale.
class Headless : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::RuntimeInit();
        fw::LookupClass<Hauptfenster>();
        fw::SetNumberLocale(fw::NumberLocale::c());
    }
    void TearDown() override
    {
        fw::ReleaseLiveWindows();
        fw::SetNumberLocale(saved_);
    }

private:
    fw::NumberLocale saved_ = fw::CurrentNumberLocale();
};

std::string TextOf(const fw::Window& window, const std::string& name)
{
    fw::Ref<fw::Control> control = fw::RuntimeWindowControlByName(window, name);
    if (auto* label = dynamic_cast<fw::StaticText*>(control.get()))
        return label->text();
    return ControlNamed<EditField>(window, name)->text();
}

class ArithmeticOrder : public Headless, public ::testing::WithParamInterface<OrderRow> {};

TEST_P(ArithmeticOrder, ShowsTheTextsOfTheRightOrder)
{
    const OrderRow& row = GetParam();
    fw::Ref<Hauptfenster> w = fw::SharedWindow<Hauptfenster>();
    ControlNamed<fw::RadioButton>(*w, row.radio)->setValue(true);
    for (const auto& [field, text] : row.typed)
        ControlNamed<EditField>(*w, field)->setText(text);

    w->calcAll();

    for (const auto& [control, text] : row.shown)
        EXPECT_EQ(TextOf(*w, control), text) << control;
}

INSTANTIATE_TEST_SUITE_P(Calculator, ArithmeticOrder, ::testing::ValuesIn(kOrderRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
