// A working day at the keyboard, found by using the program with the keyboard alone: a menu opened with
// Alt and a letter and closed with Escape gives the keys back to the field.
#include "ProgramRun.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>


namespace {

using guitest::LiveWindow;
using guitest::RunProgram;

// Where a key goes: the focused widget, or the active window when nothing in it has the focus.
QWidget* KeyTarget()
{
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

// Alt+D, then Escape: the menu is gone and the user goes on typing into the field that still shows
// its cursor and its selection (Alt+B and an edit command then find no field either).
TEST(KeyboardSession, TypingAfterAnEscapedMenuReachesTheField)
{
    GTEST_SKIP() << "fault: after Escape out of an Alt-opened menu the typed digits are lost in the menu bar";
    QString field = "unset";
    RunProgram([&] {
        fw::Ref<fw::Window> main = LiveWindow("Hauptfenster.Hauptfenster");
        guitest::ShowAndActivate(*main);
        guitest::Focus(*main, "AEKField");
        guitest::Type(*main, "AEKField", "12,34");
        auto* aek = guitest::WidgetAs<QLineEdit>(*main, "AEKField");
        QTest::keyClick(aek, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(aek, Qt::Key_D, Qt::AltModifier);
        QWidget* datei = QApplication::activePopupWidget();
        ASSERT_TRUE(datei) << "Alt+D opens no menu";
        QTest::keyClick(datei, Qt::Key_Escape);
        QApplication::processEvents();
        QTest::keyClicks(KeyTarget(), "7");
        QApplication::processEvents();
        field = aek->text();
    });
    EXPECT_EQ(field, QString("7"));
}

} // namespace
