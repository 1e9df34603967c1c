// Habits of a desktop user that the program must follow, found by using it as a pharmacist does and
// checked through the real widgets: the keyboard-opened edit menu, links with nothing to open them,
// Tab into the VAT rates.
#include "ProgramRun.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using guitest::LiveWindow;
using guitest::RunProgram;

// Bearbeiten opened from the keyboard (Alt+B), then an edit command clicked, on "12,50" selected in
// AEKField (which answers no event, so only the command changes it).
struct EditByKeyboardMenu {
    const char* item;
    const char* fieldAfter;
    const char* clipboardAfter;
};

void PrintTo(const EditByKeyboardMenu& row, std::ostream* out) { *out << row.item; }

class KeyboardOpenedEditMenu : public testing::TestWithParam<EditByKeyboardMenu> {};

TEST_P(KeyboardOpenedEditMenu, WorksOnTheSelectedText)
{
    const EditByKeyboardMenu& row = GetParam();
    QString field = "unset";
    QString clipboard = "unset";
    RunProgram([&] {
        fw::Ref<fw::Window> main = LiveWindow("Hauptfenster.Hauptfenster");
        guitest::ShowAndActivate(*main);
        QApplication::clipboard()->setText("vorher");
        guitest::Focus(*main, "AEKField");
        guitest::Type(*main, "AEKField", "12,50");
        auto* aek = guitest::WidgetAs<QLineEdit>(*main, "AEKField");
        QTest::keyClick(aek, Qt::Key_A, Qt::ControlModifier);
        ASSERT_EQ(aek->selectedText(), "12,50");
        QTest::keyClick(aek, Qt::Key_B, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu) << "Alt+B opens no menu";
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String(row.item))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QApplication::processEvents();
        field = aek->text();
        clipboard = QApplication::clipboard()->text();
    });
    EXPECT_EQ(field, QString(row.fieldAfter));
    EXPECT_EQ(clipboard, QString(row.clipboardAfter));
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyboardOpenedEditMenu,
                         testing::Values(EditByKeyboardMenu{"EditCut", "", "12,50"},
                                         EditByKeyboardMenu{"EditCopy", "12,50", "12,50"},
                                         EditByKeyboardMenu{"EditClear", "", "vorher"}));

// Where no browser and no mail program are installed (the offscreen platform opens no URL), a click on
// either link must tell the user that the address could not be opened.
class LinkWithoutProgram : public testing::TestWithParam<const char*> {};

TEST_P(LinkWithoutProgram, TellsTheUserInAMessageBox)
{
    QString shown;
    RunProgram([&] {
        fw::Ref<fw::Window> main = LiveWindow("Hauptfenster.Hauptfenster");
        guitest::ShowAndActivate(*main);
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->done(0);
            }
        });
        watch.start(10);
        QTest::mouseClick(guitest::WidgetOf(*main, GetParam()), Qt::LeftButton);
        QTest::qWait(200);
    });
    EXPECT_FALSE(shown.isEmpty()) << "no message box after the click on " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Rows, LinkWithoutProgram, testing::Values("StaticText5", "StaticText6"));

// Tab into the row of VAT rates lands on the rate that is selected, as on every desktop: a keyboard
// user who then presses Space must not switch from 19 % to 16 % unawares.
struct TabIntoRates {
    const char* from;
    Qt::Key key;
    const char* selectedBefore; // chosen by the program before the key
};

void PrintTo(const TabIntoRates& row, std::ostream* out) { *out << row.from << (row.key == Qt::Key_Tab ? " Tab" : " Backtab"); }

class VatRatesByKeyboard : public testing::TestWithParam<TabIntoRates> {};

TEST_P(VatRatesByKeyboard, TabLandsOnTheSelectedRate)
{
    const TabIntoRates& row = GetParam();
    QString focused = "unset";
    bool focusedIsSelected = false;
    RunProgram([&] {
        fw::Ref<fw::Window> main = LiveWindow("Hauptfenster.Hauptfenster");
        guitest::ShowAndActivate(*main);
        fw::ControlNamed<fw::RadioButton>(*main, row.selectedBefore)->setValue(true);
        guitest::Focus(*main, row.from);
        QTest::keyClick(QApplication::focusWidget(), row.key, row.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        auto* radio = qobject_cast<QRadioButton*>(QApplication::focusWidget());
        focused = radio ? radio->text() : QString("no radio button");
        focusedIsSelected = radio && radio->isChecked();
    });
    EXPECT_TRUE(focusedIsSelected) << "the key lands on " << focused.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, VatRatesByKeyboard,
                         testing::Values(TabIntoRates{"AnzahlField", Qt::Key_Tab, "radioUst19"},
                                         TabIntoRates{"AnzahlField", Qt::Key_Tab, "radioUst7"},
                                         TabIntoRates{"AnderungField", Qt::Key_Backtab, "radioUst19"},
                                         TabIntoRates{"AnderungField", Qt::Key_Backtab, "radioUst16"}));

} // namespace
