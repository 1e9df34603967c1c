// Every event the two calculating windows answer, one row each, driven in the running program as a
// user drives it: a click, a key, typed text, the cursor leaving a field, a click on the upper or lower
// half of an arrow control. Each row starts from known texts and lists the texts that must show
// afterwards, chosen so that an event answered by nothing, by another handler, or by a handler that
// works out something else shows a different text.
#include "ProgramRun.h"

#include "framework/NumberLocale.h"
#include "vat/UST.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <utility>

namespace {

enum class Act {
    Click,     // a mouse click on the control
    Type,      // a click into the field, then the input typed key by key
    LeftKey,   // a click into the field, then the Left arrow key
    TabAway,   // a click into the field, then Tab takes the cursor to the next control
    ArrowUp,   // a click on the upper half of the arrow control
    ArrowDown, // a click on the lower half
};

// Texts are written "Control=text|Control=text"; a radio button shows 1 or 0, and the converter's
// set16 and set19 show which field is its source.
struct Binding {
    const char* handler;
    const char* control;
    Act act;
    const char* input;
    const char* start;                // set from code before the action, on top of the window's form
    std::vector<const char*> after;   // checked afterwards; a later text of a control wins
    const char* url = "";             // the one URL handed to the system
    bool quits = false;               // the program ends with status 0
};

void PrintTo(const Binding& row, std::ostream* out) { *out << row.handler; }

std::vector<std::pair<std::string, std::string>> parseTexts(const char* texts)
{
    std::vector<std::pair<std::string, std::string>> parsed;
    const std::string all = texts;
    std::size_t begin = 0;
    while (begin < all.size()) {
        std::size_t end = all.find('|', begin);
        if (end == std::string::npos)
            end = all.size();
        const std::string entry = all.substr(begin, end - begin);
        const std::size_t equals = entry.find('=');
        parsed.emplace_back(entry.substr(0, equals), equals == std::string::npos ? "" : entry.substr(equals + 1));
        begin = end + 1;
    }
    return parsed;
}

// The price calculator --------------------------------------------------------------------------------

// Every calculator row starts from AEK 10, markup 50 % and 2 packs, set from code, with the cursor in
// AEKField (which answers nothing) and 19 % selected.
constexpr const char* kForm = "focus=AEKField|AEKField=10|AufschlagField=50|AnzahlField=2";

// The form untouched: nothing was worked out.
constexpr const char* kUntouched = "AEKField=10|AufschlagField=50|AnzahlField=2|GHRabattField=|HerstellerField=|"
                                   "AnderungField=|nettoField=|USTField=|AVKField=|AEKNettoText=|AVKNeuField=";
// The inputs as one calculation of the form rewrites them; the arrows' fields still empty.
constexpr const char* kInputs =
    "AEKField=10.00|AufschlagField=50.00%|AnzahlField=2|GHRabattField=|HerstellerField=|AnderungField=";
// The results of the form at 19 %: net 15, VAT 2.85, margin 5 of 15, gross profit 2 x 5.
constexpr const char* kResults = "AEKNettoText=10.00|nettoField=15.00|USTField=2.85|AVKField=17.85|"
                                 "AVKNeuField=17.85|SpanneField=33.33%|RohgewinnField=10.00|RohgewinnNeuField=10.00|"
                                 "RohgewinnAnderungText=.00%|PariText=";

const Binding kCalculatorRows[] = {
    {"AufschlagField_LostFocus", "AufschlagField", Act::TabAway, "", "", {kInputs, kResults}},
    // Typing a gross price calculates nothing; a calculation would rewrite it as 17.85.
    {"AVKField_TextChange", "AVKField", Act::Type, "119", "", {kUntouched, "AVKField=119"}},
    {"OKButton_Action", "OKButton", Act::Click, "", "", {kInputs, kResults}},
    // "Neu" empties eleven fields and the net purchase price, and keeps the last results and the rate.
    {"PushButton2_Action", "PushButton2", Act::Click, "",
     "GHRabattField=5|HerstellerField=2|AnderungField=20|AVKField=17.85|nettoField=15.00|USTField=2.85|"
     "SpanneField=33.33%|RohgewinnField=10.00|AEKNettoText=10.00|AVKNeuField=21.42|RohgewinnNeuField=16.00|"
     "RohgewinnAnderungText=60.00%|PariText=Sie müssen|radioUst7=1",
     {"AEKField=|AufschlagField=|SpanneField=|USTField=|AVKField=|nettoField=|AnzahlField=|RohgewinnField=|"
      "AnderungField=|GHRabattField=|HerstellerField=|AEKNettoText=",
      "AVKNeuField=21.42|RohgewinnNeuField=16.00|RohgewinnAnderungText=60.00%|PariText=Sie müssen|radioUst7=1|"
      "radioUst19=0"}},
    {"CancalButton_Action", "CancalButton", Act::Click, "", "", {kUntouched}, "", true},
    {"AnzahlField_LostFocus", "AnzahlField", Act::TabAway, "", "", {kInputs, kResults}},
    {"radioUst16_Action", "radioUst16", Act::Click, "", "",
     {kInputs, kResults, "USTField=2.40|AVKField=17.40|AVKNeuField=17.40|radioUst16=1|radioUst19=0"}},
    {"radioUst7_Action", "radioUst7", Act::Click, "", "",
     {kInputs, kResults, "USTField=1.05|AVKField=16.05|AVKNeuField=16.05|radioUst7=1|radioUst19=0"}},
    // A 20 % price rise: 3.57 more gross, 3.00 more net per pack.
    {"AnderungField_LostFocus", "AnderungField", Act::TabAway, "", "AnderungField=20",
     {kInputs, kResults,
      "AnderungField=20|AVKNeuField=21.42|RohgewinnNeuField=16.00|RohgewinnAnderungText=60.00%|PariText=Sie müssen "
      "1.25 Packungen anstelle von 2 Packungen verkaufen, um den alten Rohgewinn von 10.00€ zu erreichen"}},
    {"StaticText5_MouseDown", "StaticText5", Act::Click, "", "", {kUntouched}, "mailto:autor@velnora.example"},
    {"StaticText6_MouseDown", "StaticText6", Act::Click, "", "", {kUntouched}, "http://www.velnora.example"},
    // 5 % off the purchase price of 10.
    {"GHRabattField_TextChange", "GHRabattField", Act::Type, "5", "",
     {kInputs, kResults, "GHRabattField=5|AEKNettoText=9.50|SpanneField=36.67%|RohgewinnField=11.00|"
                         "RohgewinnNeuField=11.00"}},
    // A key that changes no text still calculates: 2 % off the purchase price of 10.
    {"HerstellerField_KeyDown", "HerstellerField", Act::LeftKey, "", "HerstellerField=2",
     {kInputs, kResults, "HerstellerField=2|AEKNettoText=9.80|SpanneField=34.67%|RohgewinnField=10.40|"
                         "RohgewinnNeuField=10.40"}},
    // The arrows of the change, the discounts and the markup step onto zero or a half, where a wrong
    // step, direction or pattern shows: the three-section pattern leaves zero empty, the one-section
    // pattern writes ".00%", and "#####" rounds a half to a whole number.
    {"avklittle_Up", "avklittle", Act::ArrowUp, "", "AnderungField=-1", {kInputs, kResults, "AnderungField="}},
    {"avklittle_Down", "avklittle", Act::ArrowDown, "", "AnderungField=1", {kInputs, kResults, "AnderungField="}},
    {"Aufschlaglittle_Up", "Aufschlaglittle", Act::ArrowUp, "", "AufschlagField=49.5",
     {kInputs, "AufschlagField=50.50%|nettoField=15.05|USTField=2.86|SpanneField=33.55%"}},
    {"Aufschlaglittle_Down", "Aufschlaglittle", Act::ArrowDown, "", "AufschlagField=50.5",
     {kInputs, "AufschlagField=49.50%|nettoField=14.95|USTField=2.84|SpanneField=33.11%"}},
    // The pack count steps to -2.495 and 2.495: "#####" shows -2 and 2, where a percent pattern would
    // show -2.50% and 2.50%, which the calculation reads as -3 and 3 packs.
    {"AnzahlLittle_Up", "AnzahlLittle", Act::ArrowUp, "", "AnzahlField=-3.495",
     {kInputs, "AnzahlField=-2|RohgewinnField=-10.00"}},
    {"AnzahlLittle_Down", "AnzahlLittle", Act::ArrowDown, "", "AnzahlField=3.495",
     {kInputs, "AnzahlField=2|RohgewinnField=10.00"}},
    {"GHLittle_Up", "GHLittle", Act::ArrowUp, "", "GHRabattField=-0.1", {kInputs, kResults, "GHRabattField=.00%"}},
    {"GHLittle_Down", "GHLittle", Act::ArrowDown, "", "GHRabattField=0.1", {kInputs, kResults, "GHRabattField=.00%"}},
    {"HerstellerLittle_Up", "HerstellerLittle", Act::ArrowUp, "", "HerstellerField=-1",
     {kInputs, kResults, "HerstellerField=.00%"}},
    {"HerstellerLittle_Down", "HerstellerLittle", Act::ArrowDown, "", "HerstellerField=1",
     {kInputs, kResults, "HerstellerField=.00%"}},
    {"radioUst19_Action", "radioUst19", Act::Click, "", "radioUst16=1",
     {kInputs, kResults, "radioUst19=1|radioUst16=0"}},
};

// From a gross price alone a second calculation would start from the rounded purchase price and markup
// and show 840.36 net and 1000.02 gross, so these rows tell that each event calculates exactly once.
constexpr const char* kGross = "AEKField=|AVKField=1000";
constexpr const char* kOnce =
    "AEKField=673.47|AufschlagField=24.78%|nettoField=840.34|AVKField=1000.00|RohgewinnField=333.73";

const Binding kOnceRows[] = {
    {"AufschlagField_LostFocus", "AufschlagField", Act::TabAway, "", kGross, {kOnce}},
    {"OKButton_Action", "OKButton", Act::Click, "", kGross, {kOnce}},
    {"AnzahlField_LostFocus", "AnzahlField", Act::TabAway, "", kGross, {kOnce}},
    {"AnderungField_LostFocus", "AnderungField", Act::TabAway, "", kGross, {kOnce}},
    {"GHRabattField_TextChange", "GHRabattField", Act::Type, "5", kGross, {kOnce}},
    {"HerstellerField_KeyDown", "HerstellerField", Act::LeftKey, "", kGross, {kOnce}},
    {"radioUst19_Action", "radioUst19", Act::Click, "", "AEKField=|AVKField=1000|radioUst16=1", {kOnce}},
    {"radioUst16_Action", "radioUst16", Act::Click, "", kGross,
     {"AEKField=693.54|AufschlagField=24.30%|nettoField=862.07|AVKField=1000.00|RohgewinnField=337.05"}},
    {"radioUst7_Action", "radioUst7", Act::Click, "", kGross,
     {"AEKField=760.52|AufschlagField=22.89%|nettoField=934.58|AVKField=1000.00|RohgewinnField=348.11"}},
    {"avklittle_Up", "avklittle", Act::ArrowUp, "", kGross, {kOnce}},
    {"Aufschlaglittle_Down", "Aufschlaglittle", Act::ArrowDown, "", kGross, {kOnce}},
    {"GHLittle_Up", "GHLittle", Act::ArrowUp, "", kGross, {kOnce}},
    {"HerstellerLittle_Down", "HerstellerLittle", Act::ArrowDown, "", kGross, {kOnce}},
};

// The converter -----------------------------------------------------------------------------------

// Every converter row starts with the cursor in the field named by "focus", which makes it the source.
const Binding kConverterRows[] = {
    {"EditPreis16_TextChange", "EditPreis16", Act::Type, "100", "focus=EditPreis16",
     {"EditPreis16=100|EditPreis19=102.59 €"}},
    {"EditPreis16_GotFocus", "EditPreis16", Act::Click, "", "focus=EditPreis19|EditPreis16=100",
     {"set16=1|set19=0|EditPreis16=100|EditPreis19="}},
    {"EditPreis19_TextChange", "EditPreis19", Act::Type, "119", "focus=EditPreis19",
     {"EditPreis19=119|EditPreis16=116.00 €"}},
    {"EditPreis19_GotFocus", "EditPreis19", Act::Click, "", "focus=EditPreis16|EditPreis19=119",
     {"set19=1|set16=0|EditPreis19=119|EditPreis16="}},
    // "Neu" empties both fields and keeps the source.
    {"Pushok_Action", "Pushok", Act::Click, "", "focus=EditPreis16|EditPreis16=100|EditPreis19=102.59 €",
     {"EditPreis16=|EditPreis19=|set16=1|set19=0"}},
};

// A click on a push button or radio button leaves the cursor where it was, so the field it is in
// does not lose the focus and calculate on top of the button.
const Binding kClickRows[] = {
    {"Berechne", "OKButton", Act::Click, "", "focus=AufschlagField",
     {kInputs, kResults, "focused=AufschlagField"}},
    {"Neu", "PushButton2", Act::Click, "", "focus=AufschlagField",
     {"focused=AufschlagField|AufschlagField=|AVKNeuField=|RohgewinnNeuField="}},
    {"radioUst16", "radioUst16", Act::Click, "", "focus=AnzahlField",
     {kInputs, kResults, "USTField=2.40|AVKField=17.40|AVKNeuField=17.40|focused=AnzahlField"}},
};

const Binding kConverterClickRows[] = {
    {"Neu", "Pushok", Act::Click, "", "focus=EditPreis16|EditPreis16=100|EditPreis19=102.59 €",
     {"focused=EditPreis16|EditPreis16=|EditPreis19="}},
};

// Running a row ------------------------------------------------------------------------------------

class BindingRows : public testing::TestWithParam<Binding> {
protected:
    void SetUp() override
    {
        savedLocale_ = fw::CurrentNumberLocale();
        fw::SetNumberLocale(fw::NumberLocale::c());
    }
    void TearDown() override
    {
        fw::SetNumberLocale(savedLocale_);
    }

    // Runs the row in the program's window of that class and checks what it shows.
    void run(const Binding& row, std::string_view windowClass, const char* fensterItem, const char* form)
    {
        std::vector<std::pair<std::string, std::string>> expected;
        for (const char* texts : row.after)
            for (auto& [control, text] : parseTexts(texts)) {
                auto same = std::find_if(expected.begin(), expected.end(),
                                         [&](const auto& entry) { return entry.first == control; });
                if (same == expected.end())
                    expected.emplace_back(control, text);
                else
                    same->second = text; // a later text of a control wins
            }
        std::vector<std::string> shown;
        guitest::ProgramResult result = guitest::RunProgram(
            [&] {
                fw::Ref<fw::Window> main = guitest::LiveWindow("Hauptfenster.Hauptfenster");
                ASSERT_TRUE(main);
                guitest::ShowAndActivate(*main);
                if (fensterItem)
                    guitest::ChooseFromMenuBar(*main, fensterItem);
                fw::Ref<fw::Window> window = guitest::LiveWindow(windowClass);
                ASSERT_TRUE(window);
                guitest::ShowAndActivate(*window);
                for (const char* texts : {form, row.start})
                    for (const auto& [control, text] : parseTexts(texts))
                        setUp(*window, control, text);
                act(*window, row);
                for (const auto& [control, text] : expected)
                    shown.push_back(control + "=" + shownText(*window, control));
            });

        EXPECT_EQ(result.status, row.quits ? 0 : guitest::kEndedByTheTest);
        EXPECT_TRUE(result.unhandled.empty());
        ASSERT_EQ(shown.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(shown[i], expected[i].first + "=" + expected[i].second);
        EXPECT_EQ(urls_.urls, *row.url ? QStringList{row.url} : QStringList{});
    }

private:
    static void setUp(fw::Window& window, const std::string& control, const std::string& text)
    {
        if (control == "focus") {
            guitest::Focus(window, text);
            return;
        }
        fw::Ref<fw::Control> target = fw::RuntimeWindowControlByName(window, control);
        ASSERT_TRUE(target) << control;
        if (auto* field = dynamic_cast<fw::EditField*>(target.get()))
            field->setText(text);
        else if (auto* label = dynamic_cast<fw::StaticText*>(target.get()))
            label->setText(text);
        else if (auto* radio = dynamic_cast<fw::RadioButton*>(target.get()))
            radio->setValue(text == "1");
    }

    static std::string shownText(const fw::Window& window, const std::string& control)
    {
        if (control == "focused") {
            QWidget* focused = QApplication::focusWidget();
            return focused ? focused->objectName().toStdString() : "";
        }
        if (control == "set16" || control == "set19") {
            const auto& converter = static_cast<const UST&>(window);
            return (control == "set16" ? converter.set16 : converter.set19) ? "1" : "0";
        }
        QWidget* widget = guitest::WidgetOf(window, control);
        if (auto* field = qobject_cast<QLineEdit*>(widget))
            return field->text().toStdString();
        if (auto* label = qobject_cast<QLabel*>(widget))
            return label->text().toStdString();
        if (auto* radio = qobject_cast<QRadioButton*>(widget))
            return radio->isChecked() ? "1" : "0";
        return "?";
    }

    static void act(const fw::Window& window, const Binding& row)
    {
        QWidget* widget = guitest::WidgetOf(window, row.control);
        ASSERT_TRUE(widget);
        switch (row.act) {
        case Act::Click:
            QTest::mouseClick(widget, Qt::LeftButton);
            break;
        case Act::Type:
            guitest::Focus(window, row.control);
            guitest::Type(window, row.control, QString::fromUtf8(row.input));
            break;
        case Act::LeftKey:
            guitest::Focus(window, row.control);
            QTest::keyClick(widget, Qt::Key_Left);
            break;
        case Act::TabAway:
            guitest::Focus(window, row.control);
            QTest::keyClick(widget, Qt::Key_Tab);
            EXPECT_NE(QApplication::focusWidget(), widget) << "the cursor left the field";
            break;
        case Act::ArrowUp:
        case Act::ArrowDown: {
            const int quarter = widget->height() / 4;
            const int y = row.act == Act::ArrowUp ? quarter : widget->height() - quarter;
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->width() / 2, y));
            break;
        }
        }
    }

    guitest::UrlCatcher urls_;
    fw::NumberLocale savedLocale_;
};

class CalculatorBindings : public BindingRows {};
class ConverterBindings : public BindingRows {};
class CalculatorClicks : public BindingRows {};
class CalculatorOnce : public BindingRows {};
class ConverterClicks : public BindingRows {};

TEST_P(CalculatorBindings, ShowWhatTheUserMustSee)
{
    run(GetParam(), "Hauptfenster.Hauptfenster", nullptr, kForm);
}

TEST_P(ConverterBindings, ShowWhatTheUserMustSee) { run(GetParam(), "UST.UST", "Fenster16", ""); }

TEST_P(CalculatorClicks, LeaveTheCursorInTheField)
{
    run(GetParam(), "Hauptfenster.Hauptfenster", nullptr, kForm);
}

TEST_P(CalculatorOnce, CalculatesOnceFromAGrossPrice)
{
    run(GetParam(), "Hauptfenster.Hauptfenster", nullptr, kForm);
}

TEST_P(ConverterClicks, LeaveTheCursorInTheField)
{
    run(GetParam(), "UST.UST", "Fenster16", "");
}

std::string handlerName(const testing::TestParamInfo<Binding>& info) { return info.param.handler; }

INSTANTIATE_TEST_SUITE_P(Rows, CalculatorBindings, testing::ValuesIn(kCalculatorRows), handlerName);
INSTANTIATE_TEST_SUITE_P(Rows, ConverterBindings, testing::ValuesIn(kConverterRows), handlerName);
INSTANTIATE_TEST_SUITE_P(Rows, CalculatorClicks, testing::ValuesIn(kClickRows), handlerName);
INSTANTIATE_TEST_SUITE_P(Rows, CalculatorOnce, testing::ValuesIn(kOnceRows), handlerName);
INSTANTIATE_TEST_SUITE_P(Rows, ConverterClicks, testing::ValuesIn(kConverterClickRows), handlerName);

} // namespace

