// What the three windows show, read from the Qt widgets and compared with a table of every control:
// its text, place and size, text size in pixels (0: the default size), boldness, underline, colour,
// alignment, line wrapping, whether it is enabled, selected or the default button; and the windows'
// titles, content sizes and frames. Escape presses the price calculator's "Abbruch".
#include "ProgramRun.h"

#include "framework/NumberLocale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <ostream>

namespace {

enum Look : unsigned {
    Plain = 0,
    Bold = 1u << 0,
    Underlined = 1u << 1,
    Red = 1u << 2,       // text colour FF0000 instead of black
    RightAligned = 1u << 3,
    Wrapped = 1u << 4,   // a label of several lines
    Disabled = 1u << 5,
    DefaultButton = 1u << 6,
    Selected = 1u << 7,
};

constexpr int kNoText = -1;

struct Shown {
    const char* name;
    QRect place;
    const char* text;
    int textSize; // pixels; 0 for the default size of the user-interface font; kNoText without text
    unsigned look;
};

const Shown kCalculator[] = {
    {"AEKField", {20, 38, 80, 22}, "", 12, RightAligned},
    {"StaticText1", {20, 12, 30, 20}, "AEK", 12, Plain},
    {"AufschlagField", {125, 38, 80, 22}, "", 12, RightAligned},
    {"AVKField", {20, 162, 80, 22}, "", 12, RightAligned},
    {"StaticText3", {125, 12, 64, 20}, "Aufschlag", 12, Plain},
    {"StaticText4", {20, 136, 30, 20}, "AVK", 12, Plain},
    {"OKButton", {486, 406, 81, 20}, "Berechne", 12, DefaultButton},
    {"PushButton2", {410, 406, 69, 20}, "Neu", 12, Plain},
    {"CancalButton", {20, 406, 69, 20}, "Abbruch", 12, Plain},
    {"RohgewinnField", {125, 223, 80, 22}, "", 12, RightAligned},
    {"AnzahlField", {125, 92, 80, 22}, "", 12, RightAligned},
    {"SpanneField", {240, 38, 80, 22}, "", 12, RightAligned | Disabled},
    {"TextSpanne", {240, 12, 64, 20}, "Spanne", 12, Plain},
    {"TextAnzahl", {125, 67, 64, 20}, "Anzahl", 12, Plain},
    {"TextRohgewinn", {125, 197, 135, 20}, "Rohgewinn ohne Veränderung", 9, Plain},
    {"USTField", {448, 38, 80, 22}, "", 12, RightAligned | Disabled},
    {"radioUst16", {115, 315, 52, 20}, "16%", 12, Plain},
    {"radioUst7", {179, 315, 56, 20}, "7%", 12, Plain},
    {"textUst", {448, 12, 30, 20}, "ust", 12, Plain},
    {"AnderungField", {125, 162, 80, 22}, "", 12, RightAligned},
    {"TextAnderung", {125, 136, 107, 20}, "Veränderung %", 12, Plain},
    {"nettoField", {347, 38, 80, 22}, "", 12, RightAligned | Disabled},
    {"StaticText5", {140, 409, 115, 20}, "© J. Beispiel 2003", 9, Red | Underlined},
    {"StaticText6", {262, 409, 56, 20}, "Velnora", 9, Red | Underlined},
    {"TextNetto", {347, 14, 69, 20}, "netto", 12, Plain},
    {"GHRabattField", {239, 92, 80, 22}, "", 12, Plain},
    {"GHText", {239, 67, 75, 20}, "GH-Rabatt", 12, Plain},
    {"HerstellerField", {346, 93, 80, 22}, "", 12, Plain},
    {"HerstellerText", {346, 67, 100, 20}, "Hersteller-Rabatt", 11, Plain},
    {"RohgewinnNeuField", {125, 268, 80, 22}, "", 12, RightAligned},
    {"RohgewinnNeuText", {129, 251, 126, 14}, "Rohgewinn nach Änderung", 9, Plain},
    {"StaticText2", {490, 320, 75, 20}, "Pari-Faktor", 12, Plain},
    {"avklittle", {209, 162, 13, 23}, nullptr, kNoText, Plain},
    {"Aufschlaglittle", {209, 37, 13, 23}, nullptr, kNoText, Plain},
    {"AnzahlLittle", {209, 92, 13, 23}, nullptr, kNoText, Plain},
    {"GHLittle", {321, 92, 13, 23}, nullptr, kNoText, Plain},
    {"HerstellerLittle", {433, 93, 13, 23}, nullptr, kNoText, Plain},
    {"AVKNettotext", {20, 67, 84, 20}, "AEK NettoNetto", 11, Plain},
    {"AVKNeuField", {278, 162, 80, 22}, "", 12, Plain},
    {"AVKNeuText", {278, 136, 66, 20}, "AVK neu", 12, Plain},
    {"StaticText7", {271, 247, 100, 20}, "Rohgewinnänderung", 10, Plain},
    {"PariText", {26, 347, 591, 50}, "", 11, Bold | Wrapped},
    {"RohgewinnAnderungText", {271, 269, 100, 20}, "", 12, Plain},
    {"AEKNettoText", {20, 94, 93, 20}, "", 12, Plain},
    {"radioUst19", {55, 315, 52, 20}, "19%", 12, Selected},
};

const Shown kConverter[] = {
    {"StaticText16", {43, 30, 100, 20}, "Preis 16%", 0, Plain},
    {"EditPreis16", {43, 62, 214, 48}, "", 36, Bold},
    {"StaticText19", {43, 154, 100, 20}, "Preis 19%", 0, Plain},
    {"EditPreis19", {43, 186, 214, 48}, "", 36, Bold},
    {"Pushok", {110, 252, 80, 20}, "Neu", 0, DefaultButton},
};

const Shown kAbout[] = {
    {"StaticText1", {31, 14, 117, 28}, "Tarivo", 12, Bold | Underlined},
    {"StaticText2", {31, 47, 182, 20}, "Version: 2.61008", 12, Plain},
    {"StaticText3", {31, 134, 205, 151},
     "Autor:\nJonas Beispiel\nVelnora Beispiel GmbH\nMusterstraße 1\n12345 Musterstadt\n\nTel. 0000 000000\n"
     "Fax 0000 000001\n\nMail: info@velnora.example",
     12, Wrapped},
    {"StaticText4", {31, 77, 249, 53},
     "Programm zur Preiskalkulation in Apotheken unter Berücksichtigung des Stücknutzen.", 12, Wrapped},
    {"Canvas1", {239, 212, 205, 73}, nullptr, kNoText, Plain},
};

struct WindowRow {
    const char* className;
    const char* title;
    QSize content;
    const Shown* controls;
    std::size_t count;
};

void PrintTo(const WindowRow& row, std::ostream* out) { *out << row.className; }

const WindowRow kWindows[] = {
    {"Hauptfenster.Hauptfenster", "Tarivo Velnora", {637, 446}, kCalculator, std::size(kCalculator)},
    {"UST.UST", "Umsatzsteuerrechner", {300, 300}, kConverter, std::size(kConverter)},
    {"Welcome.Welcome", "Willkommen", {476, 337}, kAbout, std::size(kAbout)},
};

// The window of the row's class, built as the program builds it.
fw::Ref<fw::Window> build(const WindowRow& row)
{
    startup::initialize();
    if (fw::Ref<fw::Window> live = fw::GetImplicitWindow(row.className))
        return live;
    const fw::ClassRecord* record = fw::FindClass(row.className);
    EXPECT_TRUE(record) << row.className;
    if (!record)
        return nullptr;
    fw::Ref<fw::Object> created = fw::RuntimeNewObject(*record);
    auto window = fw::Ref<fw::Window>(dynamic_cast<fw::Window*>(created.get()));
    window->Construct();
    return window;
}

class WindowContents : public testing::TestWithParam<WindowRow> {
protected:
    void SetUp() override
    {
        window = build(GetParam());
        ASSERT_TRUE(window);
        guitest::ShowAndActivate(*window);
    }
    void TearDown() override { guitest::CloseWindows(std::move(window)); }
    fw::Ref<fw::Window> window;
};

TEST_P(WindowContents, TitleContentSizeAndFrame)
{
    QMainWindow* main = guitest::MainWidget(*window);
    ASSERT_TRUE(main);
    EXPECT_EQ(main->windowTitle(), GetParam().title);
    EXPECT_EQ(main->centralWidget()->size(), GetParam().content);
    // Not resizeable, no maximise button; it can be minimised and closed.
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(main->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_P(WindowContents, EveryControlAsTheTableSays)
{
    const WindowRow& row = GetParam();
    ASSERT_EQ(window->controls().size(), row.count) << "the window has no control outside the table";
    const QFont interfaceFont = QApplication::font();
    for (const Shown& want : std::span(row.controls, row.count)) {
        SCOPED_TRACE(want.name);
        QWidget* widget = guitest::WidgetOf(*window, want.name);
        ASSERT_TRUE(widget);
        EXPECT_EQ(widget->geometry(), want.place);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(widget->isEnabled(), !(want.look & Disabled));

        auto* field = qobject_cast<QLineEdit*>(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (want.text) {
            const QString text = field ? field->text() : label ? label->text() : button ? button->text() : "?";
            EXPECT_EQ(text, QString::fromUtf8(want.text));
        }
        if (want.textSize != kNoText) {
            const QFont font = widget->font();
            if (want.textSize > 0) {
                EXPECT_EQ(font.pixelSize(), want.textSize);
            } else {
                EXPECT_EQ(font.pixelSize(), interfaceFont.pixelSize());
                EXPECT_EQ(font.pointSizeF(), interfaceFont.pointSizeF());
            }
            // "System": the user-interface font, semi-condensed.
            EXPECT_EQ(font.family(), interfaceFont.family());
            EXPECT_EQ(font.stretch(), int(QFont::SemiCondensed));
            EXPECT_EQ(font.bold(), bool(want.look & Bold));
            EXPECT_EQ(font.underline(), bool(want.look & Underlined));
            EXPECT_FALSE(font.italic());
        }
        const Qt::Alignment horizontal = (want.look & RightAligned) ? Qt::AlignRight : Qt::AlignLeft;
        if (field) {
            EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, horizontal);
            EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));
            EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
            EXPECT_TRUE(field->hasFrame());
            EXPECT_FALSE(field->isReadOnly());
            EXPECT_EQ(field->echoMode(), QLineEdit::Normal);
        }
        if (label) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, horizontal);
            EXPECT_EQ(label->palette().color(QPalette::WindowText),
                      (want.look & Red) ? QColor(0xFF, 0x00, 0x00) : QColor(Qt::black));
            EXPECT_EQ(label->wordWrap(), bool(want.look & Wrapped));
        }
        if (auto* push = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(push->isDefault(), bool(want.look & DefaultButton));
        }
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            EXPECT_EQ(radio->isChecked(), bool(want.look & Selected));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowContents, testing::ValuesIn(kWindows),
                         [](const testing::TestParamInfo<WindowRow>& info) {
                             std::string name = info.param.className;
                             return name.substr(0, name.find('.'));
                         });

// The cancel key ------------------------------------------------------------------------------------

// Escape presses the window's cancel button: "Abbruch" in the price calculator, which ends the program
// with status 0 whatever the fields hold. The converter has no cancel button: Escape changes nothing.
TEST(CancelKey, EscapePressesAbbruchAndTheProgramEndsWithStatusZero)
{
    guitest::ProgramResult result = guitest::RunProgram(
        [] {
            fw::Ref<fw::Window> main = guitest::LiveWindow("Hauptfenster.Hauptfenster");
            ASSERT_TRUE(main);
            guitest::ShowAndActivate(*main);
            guitest::Focus(*main, "AufschlagField");
            guitest::Type(*main, "AufschlagField", "30");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
    EXPECT_EQ(result.status, 0);
    guitest::ExpectFullShutdown(result);
}

TEST(CancelKey, EscapeInTheConverterChangesNothing)
{
    const fw::NumberLocale saved = fw::CurrentNumberLocale();
    fw::SetNumberLocale(fw::NumberLocale::c());
    QString price16, price19;
    guitest::ProgramResult result = guitest::RunProgram([&] {
        fw::Ref<fw::Window> main = guitest::LiveWindow("Hauptfenster.Hauptfenster");
        ASSERT_TRUE(main);
        guitest::ShowAndActivate(*main);
        guitest::ChooseFromMenuBar(*main, "Fenster16");
        fw::Ref<fw::Window> converter = guitest::LiveWindow("UST.UST");
        ASSERT_TRUE(converter);
        guitest::ShowAndActivate(*converter);
        guitest::Focus(*converter, "EditPreis16");
        guitest::Type(*converter, "EditPreis16", "100");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        price16 = guitest::WidgetAs<QLineEdit>(*converter, "EditPreis16")->text();
        price19 = guitest::WidgetAs<QLineEdit>(*converter, "EditPreis19")->text();
    });
    fw::SetNumberLocale(saved);
    EXPECT_EQ(result.status, guitest::kEndedByTheTest) << "Escape in the converter does not quit";
    EXPECT_EQ(price16, "100");
    EXPECT_EQ(price19, "102.59 €");
}

} // namespace
