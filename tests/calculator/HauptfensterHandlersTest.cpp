// The price calculator driven as a user drives it: typing, leaving fields, Return, the arrows, "Neu"
// and the two links, with what the window then shows.
#include "GuiTestSupport.h"

#include "calculator/Hauptfenster.h"
#include "framework/NumberLocale.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class HauptfensterHandlers : public testing::Test {
protected:
    void SetUp() override
    {
        fw::SetNumberLocale(fw::NumberLocale::c());
        window = fw::SharedWindow<Hauptfenster>();
        guitest::ShowAndActivate(*window);
    }
    void TearDown() override
    {
        guitest::CloseWindow(window);
    }
    QString text(const char* control) const
    {
        if (auto* field = guitest::WidgetAs<QLineEdit>(*window, control))
            return field->text();
        return guitest::WidgetAs<QLabel>(*window, control)->text();
    }
    // Clicks into the field, selects what it shows and types over it.
    void typeInto(const char* field, const QString& input)
    {
        guitest::Focus(*window, field);
        guitest::WidgetAs<QLineEdit>(*window, field)->selectAll();
        guitest::Type(*window, field, input);
    }
    void clickArrow(const char* arrows, bool up)
    {
        QWidget* widget = guitest::WidgetOf(*window, arrows);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, up ? 4 : 19));
    }
    fw::Ref<Hauptfenster> window;
};

TEST_F(HauptfensterHandlers, ForwardExampleEndToEnd)
{
    typeInto("AEKField", "10");
    typeInto("AnzahlField", "10");
    typeInto("GHRabattField", "5");
    typeInto("HerstellerField", "2");
    typeInto("AnderungField", "-10");
    typeInto("AufschlagField", "50");
    guitest::Focus(*window, "AEKField"); // leaving the markup recalculates

    EXPECT_EQ(text("AEKField"), "10.00");
    EXPECT_EQ(text("AEKNettoText"), "9.30");
    EXPECT_EQ(text("AufschlagField"), "50.00%");
    EXPECT_EQ(text("nettoField"), "15.00");
    EXPECT_EQ(text("USTField"), "2.85");
    EXPECT_EQ(text("AVKField"), "17.85");
    EXPECT_EQ(text("AVKNeuField"), "16.07");
    EXPECT_EQ(text("AnzahlField"), "10");
    EXPECT_EQ(text("SpanneField"), "38.00%");
    EXPECT_EQ(text("RohgewinnField"), "57.00");
    EXPECT_EQ(text("RohgewinnNeuField"), "42.00");
    EXPECT_EQ(text("RohgewinnAnderungText"), "-26.32%");
    EXPECT_EQ(text("PariText"), "Sie müssen 13.57 Packungen anstelle von 10 Packungen verkaufen, um den alten "
                                "Rohgewinn von 57.00€ zu erreichen");
    guitest::SavePicture(*window, "hauptfenster-filled.png");
}

TEST_F(HauptfensterHandlers, TypingInAekAloneChangesNoResult)
{
    typeInto("AEKField", "10");
    typeInto("AVKField", "119");
    EXPECT_EQ(text("nettoField"), "");
    EXPECT_EQ(text("RohgewinnField"), "");
}

TEST_F(HauptfensterHandlers, ReturnRunsTheBackwardPath)
{
    typeInto("AVKField", "119");
    QTest::keyClick(guitest::WidgetOf(*window, "AVKField"), Qt::Key_Return);
    EXPECT_EQ(text("nettoField"), "100.00");
    EXPECT_EQ(text("AEKField"), "76.92");
    EXPECT_EQ(text("AufschlagField"), "30.00%");
    EXPECT_EQ(text("AnzahlField"), "1");
}

// Under the C convention a price typed with a decimal comma is still twelve euros fifty.
TEST_F(HauptfensterHandlers, APriceTypedWithADecimalCommaIsNotReadAsGrouped)
{
    typeInto("AEKField", "12,50");
    typeInto("AufschlagField", "10");
    QTest::keyClick(guitest::WidgetOf(*window, "AufschlagField"), Qt::Key_Return);
    EXPECT_EQ(text("AEKField"), "12.50");
    EXPECT_EQ(text("nettoField"), "13.75");
}

TEST_F(HauptfensterHandlers, ManufacturerDiscountKeyRecalculatesWithTheKeyApplied)
{
    typeInto("AEKField", "10");
    typeInto("AufschlagField", "50");
    typeInto("AnzahlField", "10");
    guitest::Focus(*window, "AEKField");
    EXPECT_EQ(text("AEKNettoText"), "10.00");
    typeInto("HerstellerField", "5");
    EXPECT_EQ(text("HerstellerField"), "5");
    EXPECT_EQ(text("AEKNettoText"), "9.50");
}

TEST_F(HauptfensterHandlers, WholesalerDiscountRecalculatesOnEveryEdit)
{
    typeInto("AEKField", "10");
    typeInto("AufschlagField", "50");
    typeInto("GHRabattField", "1");
    EXPECT_EQ(text("AEKNettoText"), "9.90");
    guitest::Type(*window, "GHRabattField", "0"); // now 10 %
    EXPECT_EQ(text("GHRabattField"), "10");
    EXPECT_EQ(text("AEKNettoText"), "9.00");
}

TEST_F(HauptfensterHandlers, TenUpArrowsOnTheWholesalerDiscountDoNotDrift)
{
    QStringList shown;
    for (int press = 0; press < 10; ++press) {
        clickArrow("GHLittle", true);
        shown << text("GHRabattField");
    }
    EXPECT_EQ(shown, QStringList({".10%", ".20%", ".30%", ".40%", ".50%", ".60%", ".70%", ".80%", ".90%", "1.00%"}));
}

TEST_F(HauptfensterHandlers, PackCountArrowsAndTheZeroCount)
{
    typeInto("AnzahlField", "1");
    clickArrow("AnzahlLittle", false);
    EXPECT_EQ(text("AnzahlField"), "1"); // 0 is replaced by 1 in the calculation
    window->PushButton2_Action();
    clickArrow("AnzahlLittle", false);
    EXPECT_EQ(text("AnzahlField"), "-1");
}

TEST_F(HauptfensterHandlers, RadioButtonsRecalculateWithTheirRate)
{
    typeInto("AEKField", "10");
    typeInto("AufschlagField", "50");
    QTest::mouseClick(guitest::WidgetOf(*window, "radioUst16"), Qt::LeftButton);
    EXPECT_EQ(text("USTField"), "2.40");
    EXPECT_FALSE(guitest::WidgetAs<QRadioButton>(*window, "radioUst19")->isChecked());
    QTest::mouseClick(guitest::WidgetOf(*window, "radioUst7"), Qt::LeftButton);
    EXPECT_EQ(text("USTField"), "1.05");
    QTest::mouseClick(guitest::WidgetOf(*window, "radioUst19"), Qt::LeftButton);
    EXPECT_EQ(text("USTField"), "2.85");
    EXPECT_TRUE(guitest::WidgetAs<QRadioButton>(*window, "radioUst19")->isChecked());
}

TEST_F(HauptfensterHandlers, NeuEmptiesTheInputsAndKeepsTheLastResults)
{
    typeInto("AEKField", "10");
    typeInto("AnderungField", "-10");
    typeInto("AufschlagField", "50");
    QTest::mouseClick(guitest::WidgetOf(*window, "OKButton"), Qt::LeftButton);
    QTest::mouseClick(guitest::WidgetOf(*window, "PushButton2"), Qt::LeftButton);
    for (const char* emptied : {"AEKField", "AufschlagField", "SpanneField", "USTField", "AVKField", "nettoField",
                                "AnzahlField", "RohgewinnField", "AnderungField", "GHRabattField", "HerstellerField",
                                "AEKNettoText"})
        EXPECT_EQ(text(emptied), "") << emptied;
    EXPECT_EQ(text("AVKNeuField"), "16.07");
    EXPECT_FALSE(text("PariText").isEmpty());
    EXPECT_FALSE(text("RohgewinnAnderungText").isEmpty());
}

TEST_F(HauptfensterHandlers, EachLinkHandsExactlyItsUrlToTheSystem)
{
    QStringList handedOver;
    {
        guitest::UrlCatcher catcher;
        QTest::mouseClick(guitest::WidgetOf(*window, "StaticText5"), Qt::LeftButton);
        QTest::mouseClick(guitest::WidgetOf(*window, "StaticText6"), Qt::LeftButton);
        handedOver = catcher.urls;
    }
    EXPECT_EQ(handedOver, QStringList({"mailto:autor@velnora.example", "http://www.velnora.example"}));
    EXPECT_EQ(text("StaticText6"), "Velnora");
}

TEST_F(HauptfensterHandlers, EditMenuWorksOnTheFocusedFieldAndItsEditsRecalculate)
{
    typeInto("AEKField", "10");
    typeInto("AufschlagField", "50");
    typeInto("GHRabattField", "10");
    EXPECT_EQ(text("AEKNettoText"), "9.00");
    auto choose = [&](const char* item) {
        QAction* action = guitest::WidgetOf(*window)->findChild<QAction*>(item);
        ASSERT_TRUE(action) << item;
        action->trigger();
    };
    guitest::WidgetAs<QLineEdit>(*window, "GHRabattField")->selectAll();
    choose("EditCut");
    EXPECT_EQ(text("GHRabattField"), "");
    EXPECT_EQ(text("AEKNettoText"), "10.00");
    choose("EditPaste");
    EXPECT_EQ(text("GHRabattField"), "10");
    EXPECT_EQ(text("AEKNettoText"), "9.00");
    choose("EditUndo");
    EXPECT_EQ(text("GHRabattField"), "");
    guitest::WidgetAs<QLineEdit>(*window, "GHRabattField")->setText("5");
    guitest::WidgetAs<QLineEdit>(*window, "GHRabattField")->selectAll();
    choose("EditCopy");
    choose("EditClear");
    EXPECT_EQ(text("GHRabattField"), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "5");
}

} // namespace

