// Faults found by using the running program as a pharmacist does, each reproduced through the real
// widgets. A row is skipped while its fault stands; the skip's text names the fault.
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
    GTEST_SKIP() << "fault: opening Bearbeiten with Alt+B drops the field's selection, so Ausschneiden, Kopieren "
                    "and Löschen do nothing";
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
    GTEST_SKIP() << "fault: a click on a link that the system cannot open shows nothing, no message box";
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
TEST(VatRatesByKeyboard, TabLandsOnTheSelectedRate)
{
    GTEST_SKIP() << "fault: Tab into the VAT rates lands on the unselected \"16%\", not on the selected \"19%\"";
    QString focused = "unset";
    bool focusedIsSelected = false;
    RunProgram([&] {
        fw::Ref<fw::Window> main = LiveWindow("Hauptfenster.Hauptfenster");
        guitest::ShowAndActivate(*main);
        guitest::Focus(*main, "AnzahlField");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* radio = qobject_cast<QRadioButton*>(QApplication::focusWidget());
        focused = radio ? radio->text() : QString("no radio button");
        focusedIsSelected = radio && radio->isChecked();
    });
    EXPECT_TRUE(focusedIsSelected) << "Tab from Anzahl lands on " << focused.toStdString();
}

} // namespace
