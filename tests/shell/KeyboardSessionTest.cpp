// A working day at the keyboard: a menu opened with Alt and a letter and closed with Escape gives the
// keys back to the field, and the edit commands still find it.
#include "ProgramRun.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
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
        QApplication::processEvents();
        QTest::keyClick(datei, Qt::Key_Escape);
        QApplication::processEvents();
        QTest::keyClicks(KeyTarget(), "7");
        QApplication::processEvents();
        field = aek->text();
    });
    EXPECT_EQ(field, QString("7"));
}

// The same, then Bearbeiten opened with Alt+B: "Kopieren" copies the selection the field still shows.
TEST(KeyboardSession, AnEditCommandAfterAnEscapedMenuWorksOnTheField)
{
    QString clipboard = "unset";
    RunProgram([&] {
        fw::Ref<fw::Window> main = LiveWindow("Hauptfenster.Hauptfenster");
        guitest::ShowAndActivate(*main);
        QApplication::clipboard()->setText("vorher");
        guitest::Focus(*main, "AEKField");
        guitest::Type(*main, "AEKField", "12,34");
        auto* aek = guitest::WidgetAs<QLineEdit>(*main, "AEKField");
        QTest::keyClick(aek, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(aek, Qt::Key_D, Qt::AltModifier);
        QWidget* datei = QApplication::activePopupWidget();
        ASSERT_TRUE(datei) << "Alt+D opens no menu";
        QApplication::processEvents();
        QTest::keyClick(datei, Qt::Key_Escape);
        QApplication::processEvents();
        QTest::keyClick(KeyTarget(), Qt::Key_B, Qt::AltModifier);
        auto* bearbeiten = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(bearbeiten) << "Alt+B opens no menu";
        QApplication::processEvents();
        for (QAction* action : bearbeiten->actions())
            if (action->objectName() == QLatin1String("EditCopy"))
                QTest::mouseClick(bearbeiten, Qt::LeftButton, {}, bearbeiten->actionGeometry(action).center());
        QApplication::processEvents();
        clipboard = QApplication::clipboard()->text();
    });
    EXPECT_EQ(clipboard, QString("12,34"));
}

} // namespace
