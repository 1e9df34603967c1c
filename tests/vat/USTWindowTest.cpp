// The VAT converter as a user drives it: the field that got the focus last is the source, every
// keystroke in it rewrites the other field, "Neu" and Return empty both, closing forgets everything,
// and nothing the user types or pastes can break it.
#include "GuiTestSupport.h"

#include "framework/NumberLocale.h"
#include "vat/UST.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

constexpr const char* k16 = "EditPreis16";
constexpr const char* k19 = "EditPreis19";

const char* otherField(const std::string& name) { return name == k16 ? k19 : k16; }

enum class Locale { C, German };

class USTWindow : public testing::Test {
protected:
    void SetUp() override
    {
        savedLocale_ = fw::CurrentNumberLocale();
        fw::SetNumberLocale(fw::NumberLocale::c());
        window = fw::SharedWindow<UST>();
    }
    void TearDown() override
    {
        guitest::CloseWindow(window);
        fw::SetNumberLocale(savedLocale_);
    }

    void useLocale(Locale locale)
    {
        fw::SetNumberLocale(locale == Locale::German ? fw::NumberLocale::german() : fw::NumberLocale::c());
    }
    QLineEdit* field(const char* name) const { return guitest::WidgetAs<QLineEdit>(*window, name); }
    std::string shown(const char* name) const { return field(name)->text().toStdString(); }

    // Clicks into the field and types over what it shows.
    void enter(const char* name, const QString& input)
    {
        guitest::Focus(*window, name);
        field(name)->selectAll();
        guitest::Type(*window, name, input);
    }
    // Clicks into the field and pastes the text over what it shows.
    void paste(const char* name, const QString& text)
    {
        guitest::Focus(*window, name);
        QApplication::clipboard()->setText(text);
        field(name)->selectAll();
        QTest::keyClick(field(name), Qt::Key_V, Qt::ControlModifier);
    }
    void clickNeu() { QTest::mouseClick(guitest::WidgetOf(*window, "Pushok"), Qt::LeftButton); }

    fw::Ref<UST> window;

private:
    fw::NumberLocale savedLocale_;
};

// The window on screen and active, as the Fenster command leaves it.
class USTShown : public USTWindow {
protected:
    void SetUp() override
    {
        USTWindow::SetUp();
        guitest::ShowAndActivate(*window);
    }
};

// Layout and first state -----------------------------------------------------------------------------

TEST_F(USTShown, ShowsTheConverterForm)
{
    auto* main = qobject_cast<QMainWindow*>(guitest::WidgetOf(*window));
    ASSERT_TRUE(main);
    EXPECT_EQ(main->windowTitle(), "Umsatzsteuerrechner");
    EXPECT_EQ(main->centralWidget()->size(), QSize(300, 300));

    struct Place {
        const char* name;
        QRect geometry;
    };
    for (const Place& place : {Place{"StaticText16", {43, 30, 100, 20}}, Place{k16, {43, 62, 214, 48}},
                               Place{"StaticText19", {43, 154, 100, 20}}, Place{k19, {43, 186, 214, 48}},
                               Place{"Pushok", {110, 252, 80, 20}}}) {
        QWidget* widget = guitest::WidgetOf(*window, place.name);
        ASSERT_TRUE(widget) << place.name;
        EXPECT_EQ(widget->geometry(), place.geometry) << place.name;
        EXPECT_TRUE(widget->isVisible()) << place.name;
    }
    EXPECT_EQ(guitest::WidgetAs<QLabel>(*window, "StaticText16")->text(), "Preis 16%");
    EXPECT_EQ(guitest::WidgetAs<QLabel>(*window, "StaticText19")->text(), "Preis 19%");
    auto* neu = guitest::WidgetAs<QPushButton>(*window, "Pushok");
    EXPECT_EQ(neu->text(), "Neu");
    EXPECT_TRUE(neu->isDefault());
    for (const char* name : {k16, k19}) {
        EXPECT_EQ(shown(name), "") << name;
        EXPECT_TRUE(field(name)->font().bold()) << name;
        EXPECT_EQ(field(name)->font().pixelSize(), 36) << name;
    }
}

TEST_F(USTShown, TheFieldFocusedOnOpeningIsTheSource)
{
    // The window opens with the cursor in the 16 % field; the user types straight away.
    ASSERT_EQ(QApplication::focusWidget(), field(k16));
    guitest::Type(*window, k16, "100");
    EXPECT_TRUE(window->set16);
    EXPECT_EQ(shown(k19), "102.59 €");
}

TEST_F(USTWindow, NothingConvertsBeforeAFieldReceivedTheFocus)
{
    // Keys straight into the widgets of a window that never had the focus.
    ASSERT_FALSE(QApplication::focusWidget());
    QTest::keyClicks(field(k16), "100");
    QTest::keyClicks(field(k19), "119");
    EXPECT_EQ(shown(k16), "100");
    EXPECT_EQ(shown(k19), "119");
    EXPECT_FALSE(window->set16);
    EXPECT_FALSE(window->set19);
}

// Conversions ----------------------------------------------------------------------------------------

struct Conversion {
    const char* what;
    Locale locale;
    const char* source;
    const char* input;
    const char* expected;
};

void PrintTo(const Conversion& row, std::ostream* out) { *out << row.what; }

class USTConversion : public USTShown, public testing::WithParamInterface<Conversion> {};

TEST_P(USTConversion, TypingIntoTheSourceRewritesOnlyTheOtherField)
{
    const Conversion& row = GetParam();
    useLocale(row.locale);
    const bool from16 = std::string(row.source) == k16;

    enter(row.source, QString::fromUtf8(row.input));

    EXPECT_EQ(shown(otherField(row.source)), row.expected);
    EXPECT_EQ(shown(row.source), row.input) << "the source field is never rewritten";
    EXPECT_EQ(window->set16, from16);
    EXPECT_EQ(window->set19, !from16);
}

const Conversion kConversions[] = {
    {"hundred_C", Locale::C, k16, "100", "102.59 €"},
    {"hundred_German", Locale::German, k16, "100", "102,59 €"},
    {"grouped_result_C", Locale::C, k16, "1234.5", "1,266.43 €"},
    {"grouped_result_German", Locale::German, k16, "1234,5", "1.266,43 €"},
    {"from_19_C", Locale::C, k19, "119", "116.00 €"},
    {"from_19_German", Locale::German, k19, "119", "116,00 €"},
    {"rounded_result_back_C", Locale::C, k19, "102.59", "100.00 €"},
    {"rounded_result_back_German", Locale::German, k19, "102,59", "100,00 €"},
    // A result the window showed, typed back in, reads as its number.
    {"formatted_result_German", Locale::German, k16, "1.234,50 €", "1.266,43 €"},
    {"formatted_result_C", Locale::C, k16, "1,234.50 €", "1,266.43 €"},
    {"formatted_result_19_German", Locale::German, k19, "1.266,43 €", "1.234,50 €"},
    {"plain_point_German", Locale::German, k16, "12.5", "12,82 €"},
    {"decimal_comma_C", Locale::C, k16, "12,50", "12.82 €"},
    {"german_result_C", Locale::C, k16, "1.234,50 €", "1,266.43 €"},
    {"c_result_German", Locale::German, k16, "1,234.50 €", "1.266,43 €"},
    {"negative", Locale::C, k16, "-100", "-102.59 €"},
    {"zero", Locale::German, k19, "0", "0,00 €"},
    // Exactly half a cent in exact arithmetic. Dividing first lands on the side shown; multiplying
    // first would show 0.60, 19.63 and 54.14.
    {"divide_first_below_half_cent", Locale::C, k16, "0.58", "0.59 €"},
    {"divide_first_above_half_cent", Locale::C, k16, "19.14", "19.64 €"},
    {"divide_first_above_half_cent_German", Locale::German, k16, "52,78", "54,15 €"},
    // Bad input converts to whatever CDbl reads from it.
    {"letters", Locale::C, k16, "abc", "0.00 €"},
    {"letters_19", Locale::German, k19, "xyz", "0,00 €"},
    {"number_then_letters", Locale::C, k16, "12abc", "12.31 €"},
    {"lone_point_C", Locale::C, k16, ".", "0.00 €"},
    {"lone_comma_C", Locale::C, k19, ",", "0.00 €"},
    {"lone_comma_German", Locale::German, k16, ",", "0,00 €"},
    {"lone_point_German", Locale::German, k19, ".", "0,00 €"},
    {"lone_minus", Locale::C, k16, "-", "0.00 €"},
    {"lone_euro_sign", Locale::German, k16, "€", "0,00 €"},
    {"infinity_shown_typed_back", Locale::C, k16, "∞ €", "∞ €"},
    {"minus_infinity_shown_typed_back", Locale::German, k19, "-∞ €", "-∞ €"},
    {"finite_input_overflows", Locale::C, k16, "1.79e308", "∞ €"},
    {"beyond_double", Locale::C, k19, "1e400", "∞ €"},
    {"beyond_double_negative", Locale::C, k19, "-1e400", "-∞ €"},
    {"below_double", Locale::C, k19, "1e-400", "0.00 €"},
};

INSTANTIATE_TEST_SUITE_P(Rows, USTConversion, testing::ValuesIn(kConversions),
                         [](const testing::TestParamInfo<Conversion>& info) { return std::string(info.param.what); });

TEST_F(USTShown, EveryKeystrokeConverts)
{
    guitest::Focus(*window, k16);
    const char* expected[] = {"1.03 €", "10.26 €", "102.59 €"};
    const QString typed = "100";
    for (int i = 0; i < typed.size(); ++i) {
        guitest::Type(*window, k16, QString(typed[i]));
        EXPECT_EQ(shown(k19), expected[i]) << "after " << typed.left(i + 1).toStdString();
    }
}

TEST_F(USTShown, EmptiedSourceShowsZero)
{
    enter(k16, "5");
    QTest::keyClick(field(k16), Qt::Key_Backspace);
    EXPECT_EQ(shown(k16), "");
    EXPECT_EQ(shown(k19), "0.00 €");
}

TEST_F(USTShown, ThereAndBack)
{
    enter(k16, "100");
    ASSERT_EQ(shown(k19), "102.59 €");
    // The user clicks into the result and deletes the euro sign: the figure converts back.
    guitest::Focus(*window, k19);
    QTest::keyClick(field(k19), Qt::Key_End);
    QTest::keyClick(field(k19), Qt::Key_Backspace);
    EXPECT_EQ(shown(k19), "102.59 ");
    EXPECT_EQ(shown(k16), "100.00 €");
    EXPECT_TRUE(window->set19);
    EXPECT_FALSE(window->set16);
}

TEST_F(USTShown, ChangingTheFocusAloneConvertsNothing)
{
    enter(k16, "100");
    guitest::Focus(*window, k19);
    guitest::Focus(*window, "Pushok");
    EXPECT_EQ(shown(k16), "100");
    EXPECT_EQ(shown(k19), "102.59 €");
    EXPECT_TRUE(window->set19) << "the last field focused stays the source";
}

// "Neu", Return and closing --------------------------------------------------------------------------

class USTClearing : public USTShown, public testing::WithParamInterface<const char*> {
protected:
    const char* source() const { return GetParam(); }
    const char* destination() const { return otherField(GetParam()); }
};

TEST_P(USTClearing, NeuEmptiesBothFieldsAndKeepsTheSource)
{
    enter(source(), "119");
    ASSERT_NE(shown(destination()), "");
    clickNeu();
    // Writing the empty texts raises no TextChange, so no "0.00 €" appears in either field.
    EXPECT_EQ(shown(k16), "");
    EXPECT_EQ(shown(k19), "");

    QTest::keyClicks(field(source()), "116");
    const bool from16 = std::string(source()) == k16;
    EXPECT_EQ(shown(destination()), from16 ? "119.00 €" : "113.08 €");
    EXPECT_EQ(window->set16, from16);
    EXPECT_EQ(window->set19, !from16);
}

TEST_P(USTClearing, ReturnInAFieldPressesNeu)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        enter(source(), "100");
        ASSERT_NE(shown(destination()), "");
        QTest::keyClick(field(source()), key);
        EXPECT_EQ(shown(k16), "") << "key " << key;
        EXPECT_EQ(shown(k19), "") << "key " << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, USTClearing, testing::Values(k16, k19));

TEST_F(USTShown, ClosedAndOpenedAgainComesBackEmpty)
{
    enter(k19, "119");
    ASSERT_TRUE(window->set19);
    const UST* closed = window.get();
    QWidget* closedWidget = guitest::WidgetOf(*window);
    ASSERT_TRUE(closedWidget->close());
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(fw::GetImplicitWindow(UST::kClassName));

    fw::Ref<UST> reopened = fw::SharedWindow<UST>();
    EXPECT_NE(reopened.get(), closed);
    EXPECT_NE(guitest::WidgetOf(*reopened), closedWidget);
    EXPECT_FALSE(reopened->set16);
    EXPECT_FALSE(reopened->set19);
    for (const char* name : {k16, k19})
        EXPECT_EQ(guitest::WidgetAs<QLineEdit>(*reopened, name)->text(), "") << name;
    window = reopened;
    // The new window works on its own.
    enter(k16, "100");
    EXPECT_EQ(shown(k19), "102.59 €");
}

// Input no one would type ----------------------------------------------------------------------------

// The integer digits of a formatted result, or nothing when it is not grouped by threes with two
// decimals and the euro sign.
QString groupedIntegerDigits(const std::string& result, QChar grouping, QChar decimal)
{
    const QString text = QString::fromStdString(result);
    const QString pattern = QStringLiteral("^\\d{1,3}(%1\\d{3})*%2\\d\\d €$")
                                .arg(QRegularExpression::escape(grouping), QRegularExpression::escape(decimal));
    if (!QRegularExpression(pattern).match(text).hasMatch())
        return {};
    QString digits = text.left(text.indexOf(decimal));
    digits.remove(grouping);
    return digits;
}

TEST_F(USTShown, HugeNumbersShowEveryIntegerDigitGrouped)
{
    enter(k16, "1e300");
    // 1e300 / 116 * 119 = 1.0258620689655173e300: 301 integer digits, every one shown.
    QString digits = groupedIntegerDigits(shown(k19), ',', '.');
    EXPECT_EQ(digits.size(), 301) << shown(k19);
    EXPECT_TRUE(digits.startsWith("10258620689655173")) << digits.toStdString();

    useLocale(Locale::German);
    enter(k19, "1" + QString(99, '0'));
    // 1e99 / 119 * 116 = 9.747899159663865e98.
    digits = groupedIntegerDigits(shown(k16), '.', ',');
    EXPECT_EQ(digits.size(), 99) << shown(k16);
    EXPECT_TRUE(digits.startsWith("9747899159663865")) << digits.toStdString();
}

struct LongInput {
    const char* what;
    const char* source;
    QString text;
    const char* expected;
};

void PrintTo(const LongInput& row, std::ostream* out) { *out << row.what; }

class USTLongInput : public USTShown, public testing::WithParamInterface<LongInput> {};

TEST_P(USTLongInput, TenThousandPastedCharactersConvertToWhatCDblReads)
{
    const LongInput& row = GetParam();
    ASSERT_EQ(row.text.size(), 10000);
    paste(row.source, row.text);
    EXPECT_EQ(field(row.source)->text().size(), 10000);
    EXPECT_EQ(shown(otherField(row.source)), row.expected);
}

const LongInput kLongInputs[] = {
    {"nines_16", k16, QString(10000, '9'), "∞ €"},
    {"nines_19", k19, QString(10000, '9'), "∞ €"},
    {"leading_zeros", k16, QString(9999, '0') + "5", "5.13 €"},
    {"long_fraction", k19, "119." + QString(9996, '0'), "116.00 €"},
    {"long_exponent", k16, "1e-" + QString(9997, '9'), "0.00 €"},
    {"letters_16", k16, QString(10000, 'x'), "0.00 €"},
    {"letters_19", k19, QString(10000, 'x'), "0.00 €"},
    {"separators", k16, QString(10000, ','), "0.00 €"},
};

INSTANTIATE_TEST_SUITE_P(Rows, USTLongInput, testing::ValuesIn(kLongInputs),
                         [](const testing::TestParamInfo<LongInput>& info) { return std::string(info.param.what); });

TEST_F(USTShown, ThousandTypedDigits)
{
    guitest::Focus(*window, k19);
    QTest::keyClicks(field(k19), QString(1000, '1'));
    EXPECT_EQ(field(k19)->text().size(), 1000);
    EXPECT_EQ(shown(k16), "∞ €");
}

// The width a line edit has for its text: inside its frame, less QLineEdit's margin of 2 px a side.
int textAreaWidth(const QLineEdit& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.state |= QStyle::State_Sunken;
    return edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit).width() - 2 * 2;
}

// At 36 px bold an 11-character result would be 216 px wide in a 208 px text area: the field shows it
// in a smaller size instead of cutting off its first digit.
TEST_F(USTShown, FiveDigitPricesShowInFull)
{
    useLocale(Locale::German);
    enter(k16, "10000");
    ASSERT_EQ(shown(k19), "10.258,62 €");
    QLineEdit* result = field(k19);
    EXPECT_LE(QFontMetrics(result->font()).horizontalAdvance(result->text()), textAreaWidth(*result));
}

// Picture --------------------------------------------------------------------------------------------

TEST_F(USTShown, PictureWithGermanFigures)
{
    useLocale(Locale::German);
    enter(k16, "1234,5");
    ASSERT_EQ(shown(k19), "1.266,43 €");
    // Every caption and a four-digit price fit their widgets.
    for (const char* name : {"StaticText16", "StaticText19"}) {
        auto* label = guitest::WidgetAs<QLabel>(*window, name);
        EXPECT_LE(label->sizeHint().width(), label->width()) << name;
        EXPECT_LE(label->sizeHint().height(), label->height()) << name;
    }
    auto* neu = guitest::WidgetAs<QPushButton>(*window, "Pushok");
    EXPECT_LE(QFontMetrics(neu->font()).horizontalAdvance(neu->text()), neu->width());
    for (const char* name : {k16, k19}) {
        QLineEdit* edit = field(name);
        QFontMetrics metrics(edit->font());
        EXPECT_LE(metrics.horizontalAdvance("9.999,99 €"), textAreaWidth(*edit)) << name;
        EXPECT_LE(metrics.height(), edit->height() - 4) << name;
    }
    QString path = guitest::SavePicture(*window, "ust.png");
    EXPECT_FALSE(QPixmap(path).isNull());
}

} // namespace
