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

// In the price calculator: "12,34" typed into AEK and selected, then Datei opened with Alt+D and closed
// with Escape. Gives the field, or null (with a failure) when Alt+D opened no menu.
QLineEdit* SelectThenEscapeAMenu()
{
    fw::Ref<fw::Window> main = LiveWindow("Hauptfenster.Hauptfenster");
    guitest::ShowAndActivate(*main);
    guitest::Focus(*main, "AEKField");
    guitest::Type(*main, "AEKField", "12,34");
    auto* aek = guitest::WidgetAs<QLineEdit>(*main, "AEKField");
    QTest::keyClick(aek, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(aek, Qt::Key_D, Qt::AltModifier);
    QWidget* datei = QApplication::activePopupWidget();
    EXPECT_TRUE(datei) << "Alt+D opens no menu";
    if (!datei)
        return nullptr;
    QApplication::processEvents();
    QTest::keyClick(datei, Qt::Key_Escape);
    QApplication::processEvents();
    return aek;
}

// The menu is gone and the user goes on typing into the field that still shows its cursor and its
// selection.
TEST(KeyboardSession, TypingAfterAnEscapedMenuReachesTheField)
{
    QString field = "unset";
    RunProgram([&] {
        QLineEdit* aek = SelectThenEscapeAMenu();
        ASSERT_TRUE(aek);
        QTest::keyClicks(KeyTarget(), "7");
        QApplication::processEvents();
        field = aek->text();
    });
    EXPECT_EQ(field, QString("7"));
}

// Then Bearbeiten opened with Alt+B: "Kopieren" copies the selection the field still shows.
TEST(KeyboardSession, AnEditCommandAfterAnEscapedMenuWorksOnTheField)
{
    QString clipboard = "unset";
    RunProgram([&] {
        QApplication::clipboard()->setText("vorher");
        ASSERT_TRUE(SelectThenEscapeAMenu());
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
