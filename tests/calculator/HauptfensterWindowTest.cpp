// The price calculator as a user sees it: every widget at its layout's place, the keyboard order, the
// initial state, and a picture of the window.
#include "GuiTestSupport.h"

#include "calculator/Hauptfenster.h"
#include "menubar/Menue.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class HauptfensterWindow : public testing::Test {
protected:
    void SetUp() override { window = fw::SharedWindow<Hauptfenster>(); }
    void TearDown() override
    {
        guitest::CloseWindow(window);
    }
    fw::Ref<Hauptfenster> window;
};

TEST_F(HauptfensterWindow, EveryWidgetSitsAtItsLayoutPosition)
{
    guitest::ShowAndActivate(*window);
    auto* main = qobject_cast<QMainWindow*>(guitest::WidgetOf(*window));
    ASSERT_TRUE(main);
    EXPECT_EQ(main->centralWidget()->size(), QSize(637, 446));
    EXPECT_EQ(main->windowTitle(), "Tarivo Velnora");
    for (const fw::Ref<fw::Control>& control : window->controls()) {
        QWidget* widget = fw::qt::QtBackend::widgetOf(*control);
        ASSERT_TRUE(widget) << control->name();
        QRect expected(control->intProperty(fw::Prop::Left), control->intProperty(fw::Prop::Top),
                       control->intProperty(fw::Prop::Width), control->intProperty(fw::Prop::Height));
        EXPECT_EQ(widget->geometry(), expected) << control->name();
        EXPECT_TRUE(widget->isVisible()) << control->name();
    }
}

TEST_F(HauptfensterWindow, TabOrderFollowsCreationOrder)
{
    guitest::ShowAndActivate(*window);
    // AVKField (tab index 3) follows AufschlagField (2), whatever the rows on screen.
    guitest::Focus(*window, "AEKField");
    for (const char* next : {"AufschlagField", "AVKField", "OKButton"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), guitest::WidgetOf(*window, next)) << next;
    }
}

TEST_F(HauptfensterWindow, NewWindowShowsNoResultsAndNineteenPercent)
{
    guitest::ShowAndActivate(*window);
    for (const char* field : {"AEKField", "nettoField", "AVKField", "RohgewinnField", "AVKNeuField"})
        EXPECT_TRUE(guitest::WidgetAs<QLineEdit>(*window, field)->text().isEmpty()) << field;
    EXPECT_TRUE(guitest::WidgetAs<QLabel>(*window, "PariText")->text().isEmpty());
    EXPECT_TRUE(guitest::WidgetAs<QRadioButton>(*window, "radioUst19")->isChecked());
    EXPECT_FALSE(guitest::WidgetAs<QRadioButton>(*window, "radioUst16")->isChecked());
    EXPECT_FALSE(guitest::WidgetOf(*window, "SpanneField")->isEnabled());
}

TEST_F(HauptfensterWindow, MenuBarShowsTheThreeMenus)
{
    auto* main = qobject_cast<QMainWindow*>(guitest::WidgetOf(*window));
    QStringList titles;
    for (QAction* action : main->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"&Datei", "&Bearbeiten", "Fenster"}));
    EXPECT_EQ(window->menuBar().get(), Menue::Instance().get());
}

TEST_F(HauptfensterWindow, Picture)
{
    guitest::ShowAndActivate(*window);
    QString path = guitest::SavePicture(*window, "hauptfenster.png");
    EXPECT_FALSE(QPixmap(path).isNull());
}

} // namespace
