// The price calculator's controls driven as a user on a desktop drives them: mouse clicks on buttons,
// the VAT buttons chosen by mouse, keyboard and screen reader, menus opened and cancelled, Alt and
// AltGr in a field, and the Fenster commands on minimised windows. Numbers are German.
#include "GuiTestSupport.h"

#include "calculator/Hauptfenster.h"
#include "framework/Application.h"
#include "framework/NumberLocale.h"
#include "menubar/Menue.h"
#include "shell/Startup.h"
#include "about/Welcome.h"
#include "vat/UST.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::pair<const char*, QString>>;

const char* const kVatButtons[] = {"radioUst19", "radioUst16", "radioUst7"};

class NativeControls : public testing::Test {
protected:
    void SetUp() override
    {
        savedLocale_ = fw::CurrentNumberLocale();
        fw::SetNumberLocale(fw::NumberLocale::german());
        open();
    }
    void TearDown() override
    {
        guitest::CloseWindow(window);
        fw::SetNumberLocale(savedLocale_);
    }

    void open()
    {
        window = fw::SharedWindow<Hauptfenster>();
        guitest::ShowAndActivate(*window);
    }
    void reopen()
    {
        guitest::CloseWindow(window);
        open();
    }
    QMainWindow* mainWindow() const { return qobject_cast<QMainWindow*>(guitest::WidgetOf(*window)); }
    QLineEdit* field(const char* name) const { return guitest::WidgetAs<QLineEdit>(*window, name); }
    QRadioButton* radio(const char* name) const { return guitest::WidgetAs<QRadioButton>(*window, name); }
    QString text(const char* control) const
    {
        if (QLineEdit* edit = field(control))
            return edit->text();
        return guitest::WidgetAs<QLabel>(*window, control)->text();
    }
    // Clicks into the field, selects what it shows and types over it.
    void typeInto(const char* name, const QString& input)
    {
        guitest::Focus(*window, name);
        field(name)->selectAll();
        guitest::Type(*window, name, input);
    }
    void typeAll(const Texts& inputs)
    {
        for (const auto& [name, input] : inputs)
            typeInto(name, input);
    }
    // Everything the calculation writes, as the window shows it.
    Texts results() const
    {
        Texts shown;
        for (const char* name : {"AEKField", "AufschlagField", "SpanneField", "USTField", "AVKField", "nettoField",
                                 "AnzahlField", "RohgewinnField", "AVKNeuField", "RohgewinnNeuField", "AEKNettoText"})
            shown.emplace_back(name, text(name));
        return shown;
    }
    std::vector<std::string> checkedVatButtons() const
    {
        std::vector<std::string> checked;
        for (const char* name : kVatButtons)
            if (radio(name)->isChecked())
                checked.push_back(name);
        return checked;
    }
    std::vector<std::string> selectedInModel() const
    {
        std::vector<std::string> selected;
        for (const char* name : kVatButtons)
            if (fw::ControlNamed<fw::RadioButton>(*window, name)->value())
                selected.push_back(name);
        return selected;
    }
    // Rebinds each VAT button's Action to a handler that notes the button and the model's selection at
    // that moment, then runs the window's own handler.
    void recordVatActions()
    {
        for (const char* name : kVatButtons) {
            const std::string handler = std::string(name) + "_Action";
            actionRecords_.push_back(std::make_unique<fw::MemberRecord>(fw::MemberRecord{
                handler, 1, "%%", [this, name, handler](fw::Object& self, std::span<const fw::Value>) {
                    std::string entry = name;
                    for (const std::string& selected : selectedInModel())
                        entry += " " + selected;
                    vatActions.push_back(entry);
                    return self.classRecord().invoke(self, handler);
                }}));
            fw::ControlNamed<fw::RadioButton>(*window, name)
                ->installEventHandler("Action", fw::RuntimeCreateDelegate(*actionRecords_.back(), *window, "(  )"));
        }
    }

    fw::Ref<Hauptfenster> window;
    std::vector<std::string> vatActions;

private:
    fw::NumberLocale savedLocale_;
    std::vector<std::unique_ptr<fw::MemberRecord>> actionRecords_;
};

// A mouse click on a button ----------------------------------------------------------------------------

struct ClickRow {
    const char* name;
    Texts inputs;       // typed in this order; the cursor stays in the last field
    const char* button; // clicked with the mouse
};

std::ostream& operator<<(std::ostream& out, const ClickRow& row) { return out << row.name; }

class ClickOnAButton : public NativeControls, public testing::WithParamInterface<ClickRow> {};

// The click leaves the cursor in the field: the field is not left, and the one calculation is the
// button's, the same as Return gives after the same typing.
TEST_P(ClickOnAButton, CalculatesOnceAndShowsWhatReturnShows)
{
    const ClickRow& row = GetParam();
    const char* lastField = row.inputs.back().first;

    typeAll(row.inputs);
    if (std::string(row.button) != "OKButton")
        fw::ControlNamed<fw::RadioButton>(*window, row.button)->setValue(true);
    QTest::keyClick(field(lastField), Qt::Key_Return);
    const Texts byReturn = results();

    reopen();
    typeAll(row.inputs);
    QTest::mouseClick(guitest::WidgetOf(*window, row.button), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), field(lastField));
    EXPECT_EQ(results(), byReturn);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClickOnAButton,
    testing::Values(ClickRow{"backward", {{"AVKField", "17,85"}, {"AnzahlField", "1"}}, "OKButton"},
                    ClickRow{"backwardCursorInAvk", {{"AnzahlField", "1"}, {"AVKField", "17,85"}}, "OKButton"},
                    ClickRow{"forwardPurchasePriceDecimals", {{"AEKField", "10,004"}, {"AufschlagField", "50"}},
                             "OKButton"},
                    ClickRow{"forwardMarkupDecimals", {{"AEKField", "1000"}, {"AufschlagField", "10,004"}},
                             "OKButton"},
                    ClickRow{"backwardVatButton", {{"AVKField", "17,85"}, {"AnzahlField", "1"}}, "radioUst16"}),
    [](const testing::TestParamInfo<ClickRow>& info) { return std::string(info.param.name); });

TEST_F(NativeControls, ClickOnBerechneKeepsTheTypedGrossPrice)
{
    typeAll({{"AVKField", "17,85"}, {"AnzahlField", "1"}});
    QTest::mouseClick(guitest::WidgetOf(*window, "OKButton"), Qt::LeftButton);
    EXPECT_EQ(text("nettoField"), "15,00");
    EXPECT_EQ(text("AVKField"), "17,85");
    EXPECT_EQ(text("RohgewinnField"), "4,86");
}

// The VAT buttons are one stop in the keyboard order, as a radio group is; the arrow keys move inside.
TEST_F(NativeControls, TabStillReachesTheButtonsInLayoutOrder)
{
    guitest::Focus(*window, "AVKField");
    // The VAT buttons are one stop, at the place of the first of them, on the one that is selected.
    for (const char* next : {"OKButton", "PushButton2", "CancalButton", "RohgewinnField", "AnzahlField", "radioUst19",
                             "AnderungField", "GHRabattField", "HerstellerField", "RohgewinnNeuField", "AVKNeuField",
                             "AEKField"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), guitest::WidgetOf(*window, next)) << next;
    }
}

// The VAT buttons as one group ---------------------------------------------------------------------

enum class Selection { Click, Space, ArrowKey, AccessibleToggle, AccessiblePress };

struct VatRow {
    const char* name;
    Selection by;
    const char* from; // selected by the program before
    const char* to;   // the user's choice
    const char* vat;  // USTField for 10,00 € and 50 % markup at the chosen rate
};

std::ostream& operator<<(std::ostream& out, const VatRow& row) { return out << row.name; }

class VatButtons : public NativeControls, public testing::WithParamInterface<VatRow> {
protected:
    void select(const VatRow& row)
    {
        QRadioButton* target = radio(row.to);
        switch (row.by) {
        case Selection::Click:
            QTest::mouseClick(target, Qt::LeftButton);
            break;
        case Selection::Space:
            target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key_Space);
            break;
        case Selection::ArrowKey: {
            QRadioButton* start = radio(row.from);
            start->setFocus(Qt::TabFocusReason);
            QTest::keyClick(start, target->x() > start->x() ? Qt::Key_Right : Qt::Key_Left);
            break;
        }
        case Selection::AccessibleToggle:
        case Selection::AccessiblePress: {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(target);
            ASSERT_TRUE(button && button->actionInterface());
            button->actionInterface()->doAction(row.by == Selection::AccessibleToggle
                                                    ? QAccessibleActionInterface::toggleAction()
                                                    : QAccessibleActionInterface::pressAction());
            // A press is shown as a short push before it clicks.
            EXPECT_TRUE(QTest::qWaitFor([&] { return !vatActions.empty(); }, 1000));
            break;
        }
        }
    }
};

TEST_P(VatButtons, SelectingOneSelectsOnlyItRaisesOneActionAndCalculatesAtItsRate)
{
    const VatRow& row = GetParam();
    typeAll({{"AEKField", "10"}, {"AufschlagField", "50"}});
    guitest::Focus(*window, "AEKField");
    fw::ControlNamed<fw::RadioButton>(*window, row.from)->setValue(true);
    EXPECT_EQ(checkedVatButtons(), std::vector<std::string>{row.from}) << "the program's choice shows";
    recordVatActions();

    select(row);
    EXPECT_EQ(checkedVatButtons(), std::vector<std::string>{row.to});
    EXPECT_EQ(selectedInModel(), std::vector<std::string>{row.to});
    EXPECT_EQ(vatActions, std::vector<std::string>{std::string(row.to) + " " + row.to});
    EXPECT_EQ(text("USTField"), row.vat);

    QTest::mouseClick(guitest::WidgetOf(*window, "OKButton"), Qt::LeftButton);
    EXPECT_EQ(text("USTField"), row.vat) << "Berechne uses the rate shown";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VatButtons,
    testing::Values(VatRow{"click16", Selection::Click, "radioUst19", "radioUst16", "2,40"},
                    VatRow{"click7", Selection::Click, "radioUst16", "radioUst7", "1,05"},
                    VatRow{"click19", Selection::Click, "radioUst7", "radioUst19", "2,85"},
                    VatRow{"space7", Selection::Space, "radioUst19", "radioUst7", "1,05"},
                    VatRow{"space19", Selection::Space, "radioUst16", "radioUst19", "2,85"},
                    VatRow{"rightFrom19", Selection::ArrowKey, "radioUst19", "radioUst16", "2,40"},
                    VatRow{"rightFrom16", Selection::ArrowKey, "radioUst16", "radioUst7", "1,05"},
                    VatRow{"leftFrom7", Selection::ArrowKey, "radioUst7", "radioUst16", "2,40"},
                    VatRow{"leftFrom16", Selection::ArrowKey, "radioUst16", "radioUst19", "2,85"},
                    VatRow{"accessibleToggle7", Selection::AccessibleToggle, "radioUst19", "radioUst7", "1,05"},
                    VatRow{"accessibleToggle19", Selection::AccessibleToggle, "radioUst16", "radioUst19", "2,85"},
                    VatRow{"accessiblePress16", Selection::AccessiblePress, "radioUst19", "radioUst16", "2,40"},
                    VatRow{"accessiblePress19", Selection::AccessiblePress, "radioUst7", "radioUst19", "2,85"}),
    [](const testing::TestParamInfo<VatRow>& info) { return std::string(info.param.name); });

TEST_F(NativeControls, AScreenReaderSeesTheVatButtonsAsRadioButtons)
{
    for (const char* name : kVatButtons) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(radio(name));
        ASSERT_TRUE(button) << name;
        EXPECT_EQ(button->role(), QAccessible::RadioButton) << name;
        EXPECT_EQ(button->state().checked, name == std::string("radioUst19")) << name;
    }
}

TEST_F(NativeControls, TheSelectedVatButtonCannotBeTurnedOff)
{
    recordVatActions();
    QAccessible::queryAccessibleInterface(radio("radioUst19"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(checkedVatButtons(), std::vector<std::string>{"radioUst19"});
    EXPECT_EQ(selectedInModel(), std::vector<std::string>{"radioUst19"});
    EXPECT_TRUE(vatActions.empty());
}

TEST_F(NativeControls, TheProgramsChoiceShowsAndRaisesNoAction)
{
    recordVatActions();
    fw::ControlNamed<fw::RadioButton>(*window, "radioUst19")->setValue(false);
    EXPECT_TRUE(checkedVatButtons().empty()) << "the model may select none";
    fw::ControlNamed<fw::RadioButton>(*window, "radioUst7")->setValue(true);
    EXPECT_EQ(checkedVatButtons(), std::vector<std::string>{"radioUst7"});
    fw::ControlNamed<fw::RadioButton>(*window, "radioUst16")->setValue(true);
    EXPECT_EQ(checkedVatButtons(), std::vector<std::string>{"radioUst16"});
    EXPECT_EQ(selectedInModel(), std::vector<std::string>{"radioUst16"});
    EXPECT_TRUE(vatActions.empty());
}

// Menus --------------------------------------------------------------------------------------------

enum class MenuOpening { MouseOnTitle, ActiveAction, AltAlone };
enum class WayBack { Escape, ClickIntoTheField, ClickIntoAnotherField };

struct MenuRow {
    const char* name;
    MenuOpening opening;
    WayBack back;
};

std::ostream& operator<<(std::ostream& out, const MenuRow& row) { return out << row.name; }

class MenuVisit : public NativeControls, public testing::WithParamInterface<MenuRow> {
protected:
    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        NativeControls::TearDown();
    }
    QMenuBar* menuBar() const { return mainWindow()->menuBar(); }
    QMenu* editMenu() const { return menuBar()->findChild<QMenu*>("BearbeitenMenu"); }
    // Opens the Bearbeiten menu, or with Alt alone puts the menu bar in charge of the keyboard.
    void openMenus(const char* fieldWithCursor)
    {
        QMenu* edit = editMenu();
        ASSERT_TRUE(edit);
        switch (GetParam().opening) {
        case MenuOpening::MouseOnTitle:
            QTest::mouseClick(menuBar(), Qt::LeftButton, {}, menuBar()->actionGeometry(edit->menuAction()).center());
            break;
        case MenuOpening::ActiveAction:
            menuBar()->setActiveAction(edit->menuAction());
            break;
        case MenuOpening::AltAlone:
            QTest::keyClick(field(fieldWithCursor), Qt::Key_Alt);
            ASSERT_EQ(QApplication::focusWidget(), menuBar());
            return;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == edit; }, 1000));
        // The offscreen platform activates every window it shows; while a menu is open Qt ignores
        // that, as a real display never activates a menu.
        QApplication::processEvents();
    }
    // Escape until no menu is open, then Escape or a click leaves the menu bar.
    void leaveTheMenus(const char* clickInto)
    {
        for (int presses = 0; presses < 3 && QApplication::activePopupWidget(); ++presses)
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        if (clickInto)
            QTest::mouseClick(field(clickInto), Qt::LeftButton);
        else if (QApplication::focusWidget() == menuBar())
            QTest::keyClick(menuBar(), Qt::Key_Escape);
        QApplication::processEvents();
    }
};

TEST_P(MenuVisit, AVisitToTheMenusIsNoLeavingTheField)
{
    const WayBack back = GetParam().back;
    typeInto("AufschlagField", "50");
    openMenus("AufschlagField");
    leaveTheMenus(back == WayBack::Escape              ? nullptr
                  : back == WayBack::ClickIntoTheField ? "AufschlagField"
                                                        : "AEKField");
    EXPECT_TRUE(window->visible()) << "Escape in a menu is no Abbruch";
    if (back == WayBack::ClickIntoAnotherField) {
        EXPECT_EQ(QApplication::focusWidget(), field("AEKField"));
        EXPECT_EQ(text("AufschlagField"), "50,00%") << "the field is left when another one takes the cursor";
        return;
    }
    EXPECT_EQ(QApplication::focusWidget(), field("AufschlagField"));
    EXPECT_EQ(text("AufschlagField"), "50");
    QTest::keyClick(field("AufschlagField"), Qt::Key_Tab);
    EXPECT_EQ(text("AufschlagField"), "50,00%") << "leaving the field afterwards still calculates";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MenuVisit,
    testing::Values(MenuRow{"mouseThenEscape", MenuOpening::MouseOnTitle, WayBack::Escape},
                    MenuRow{"activeActionThenEscape", MenuOpening::ActiveAction, WayBack::Escape},
                    MenuRow{"altThenEscape", MenuOpening::AltAlone, WayBack::Escape},
                    MenuRow{"mouseThenClickBack", MenuOpening::MouseOnTitle, WayBack::ClickIntoTheField},
                    MenuRow{"altThenClickBack", MenuOpening::AltAlone, WayBack::ClickIntoTheField},
                    MenuRow{"mouseThenAnotherField", MenuOpening::MouseOnTitle, WayBack::ClickIntoAnotherField},
                    MenuRow{"altThenAnotherField", MenuOpening::AltAlone, WayBack::ClickIntoAnotherField}),
    [](const testing::TestParamInfo<MenuRow>& info) { return std::string(info.param.name); });

class EditMenu : public MenuVisit {};

TEST_P(EditMenu, ACommandChosenFromTheMenuWorksOnTheField)
{
    typeInto("AufschlagField", "50");
    field("AufschlagField")->selectAll();
    openMenus("AufschlagField");
    QAction* cut = editMenu()->findChild<QAction*>("EditCut");
    ASSERT_TRUE(cut);
    QTest::mouseClick(editMenu(), Qt::LeftButton, {}, editMenu()->actionGeometry(cut).center());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), field("AufschlagField"));
    EXPECT_EQ(text("AufschlagField"), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "50");
}

INSTANTIATE_TEST_SUITE_P(Rows, EditMenu,
                         testing::Values(MenuRow{"mouse", MenuOpening::MouseOnTitle, WayBack::Escape},
                                         MenuRow{"activeAction", MenuOpening::ActiveAction, WayBack::Escape}),
                         [](const testing::TestParamInfo<MenuRow>& info) { return std::string(info.param.name); });

// Alt and AltGr in a field -------------------------------------------------------------------------

struct KeyRow {
    const char* name;
    const char* field;
    Qt::Key key;
    const char* text; // what the keyboard reports with the key
    Qt::KeyboardModifiers modifiers;
    const char* shown; // the field's text afterwards, from "12"
};

std::ostream& operator<<(std::ostream& out, const KeyRow& row) { return out << row.name; }

class AltKeys : public NativeControls, public testing::WithParamInterface<KeyRow> {};

TEST_P(AltKeys, AltWithALetterIsNeverTypedAltGrCharactersAre)
{
    const KeyRow& row = GetParam();
    typeInto(row.field, "12");
    QTest::sendKeyEvent(QTest::Click, field(row.field), row.key, QString::fromUtf8(row.text), row.modifiers);
    EXPECT_EQ(text(row.field), QString::fromUtf8(row.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AltKeys,
    testing::Values(KeyRow{"altF", "AVKField", Qt::Key_F, "f", Qt::AltModifier, "12"},
                    KeyRow{"altShiftF", "AEKField", Qt::Key_F, "F", Qt::AltModifier | Qt::ShiftModifier, "12"},
                    KeyRow{"altDigit", "AVKField", Qt::Key_5, "5", Qt::AltModifier, "12"},
                    KeyRow{"altFInAFieldWithKeyDown", "HerstellerField", Qt::Key_F, "f", Qt::AltModifier, "12"},
                    KeyRow{"altGrEuro", "AVKField", Qt::Key_E, "€", Qt::GroupSwitchModifier, "12€"},
                    KeyRow{"altGrAt", "AEKField", Qt::Key_Q, "@", Qt::GroupSwitchModifier, "12@"},
                    KeyRow{"altCtrlEuro", "AVKField", Qt::Key_E, "€", Qt::AltModifier | Qt::ControlModifier, "12€"},
                    KeyRow{"altCtrlBackslash", "AVKField", Qt::Key_ssharp, "\\", Qt::AltModifier | Qt::ControlModifier,
                           "12\\"},
                    KeyRow{"altCtrlBrace", "HerstellerField", Qt::Key_7, "{", Qt::AltModifier | Qt::ControlModifier,
                           "12{"},
                    KeyRow{"altGrLetter", "AVKField", Qt::Key_A, "ą", Qt::GroupSwitchModifier, "12ą"}),
    [](const testing::TestParamInfo<KeyRow>& info) { return std::string(info.param.name); });

// Fenster commands on minimised windows --------------------------------------------------------------

struct FensterRow {
    const char* name;
    const char* item;
    std::function<fw::Ref<fw::Window>()> open;
    bool throughTheMenuBar; // the QAction of the calculator's bar, else the model's item
};

std::ostream& operator<<(std::ostream& out, const FensterRow& row) { return out << row.name; }

class MinimisedWindow : public NativeControls, public testing::WithParamInterface<FensterRow> {
protected:
    void SetUp() override
    {
        NativeControls::SetUp();
        startup::NewAppInstance();
        startup::ApplicationAddMenuHandlers();
    }
    void TearDown() override
    {
        NativeControls::TearDown();
        fw::RuntimeRegisterAppObject(nullptr);
    }
};

TEST_P(MinimisedWindow, ComesBackThroughItsFensterCommand)
{
    const FensterRow& row = GetParam();
    fw::Ref<fw::Window> target = row.open();
    QWidget* shown = guitest::WidgetOf(*target);
    guitest::ShowAndActivate(*target);
    shown->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(shown->windowState() & Qt::WindowMinimized);

    if (row.throughTheMenuBar) {
        QAction* action = guitest::WidgetOf(*window)->findChild<QAction*>(row.item);
        ASSERT_TRUE(action);
        action->trigger();
    } else {
        fw::Ref<fw::MenuItem> item = Menue::Instance()->Lookup(row.item);
        ASSERT_TRUE(item);
        fw::ChooseMenuItem(*item);
    }
    EXPECT_FALSE(guitest::Backend().takePendingException());
    EXPECT_EQ(fw::GetImplicitWindow(target->classRecord().name()).get(), target.get()) << "no second window";
    EXPECT_FALSE(shown->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(shown));
}

fw::Ref<fw::Window> openCalculator() { return fw::SharedWindow<Hauptfenster>(); }
fw::Ref<fw::Window> openConverter() { return fw::SharedWindow<UST>(); }
fw::Ref<fw::Window> openAbout() { return fw::SharedWindow<Welcome>(); }

INSTANTIATE_TEST_SUITE_P(
    Rows, MinimisedWindow,
    testing::Values(FensterRow{"calculatorByItem", "FensterTarivo", openCalculator, false},
                    FensterRow{"converterByItem", "Fenster16", openConverter, false},
                    FensterRow{"aboutByItem", "FensterberTarivo", openAbout, false},
                    FensterRow{"converterByMenuBar", "Fenster16", openConverter, true},
                    FensterRow{"aboutByMenuBar", "FensterberTarivo", openAbout, true}),
    [](const testing::TestParamInfo<FensterRow>& info) { return std::string(info.param.name); });

} // namespace
