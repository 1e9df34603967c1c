// The program's classes on the plain window model: their class records, the menu bar, the price
// calculator window and its handlers, the start-up and shutdown steps, the VAT converter and the
// about window. Everything here runs without a toolkit.
#include "calculator/Hauptfenster.h"
#include "shell/App.h"
#include "shell/FileTypes.h"
#include "menubar/Menue.h"
#include "shell/Startup.h"
#include "resources/VelnoraLogo.h"
#include "about/Welcome.h"
#include "vat/UST.h"

#include "framework/Application.h"
#include "framework/Backend.h"
#include "framework/NumberLocale.h"
#include "framework/Resources.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

using namespace fw;
using namespace std::string_literals;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

// A resource fork that counts how often the program asks it for a picture.
class CountingResources : public ResourceFork {
public:
    explicit CountingResources(bool hasLogo) : hasLogo_(hasLogo) {}
    Ref<Picture> GetPicture(int id) override
    {
        requests.push_back(id);
        if (!hasLogo_ || id != VelnoraLogo::kPictureId)
            return nullptr;
        return MakeRef<Picture>("\x89PNG logo"s);
    }
    std::vector<int> requests;

private:
    bool hasLogo_;
};

// A backend whose control peers report every text they are given as a text change, the way toolkit
// widgets do, and which records what the program hands to the system.
class EchoBackend : public Backend {
public:
    class ControlPeer : public Peer {
    public:
        explicit ControlPeer(Control& control) : control_(control) {}
        void propertyChanged(Prop prop) override
        {
            if (prop == Prop::Text && control_.classRecord().hasEvent("TextChange"))
                control_.raiseEvent("TextChange");
        }

    private:
        Control& control_;
    };
    std::unique_ptr<Peer> createWindowPeer(Window&) override { return std::make_unique<Peer>(); }
    std::unique_ptr<Peer> createControlPeer(Control& control, Window&) override
    {
        return std::make_unique<ControlPeer>(control);
    }
    void runEventLoop() override {}
    void quit() override { ++quits; }
    void showURL(const std::string& url) override { urls.push_back(url); }
    void editCommand(EditCommand) override {}
    void reportUnhandledException(const std::string&) override {}

    int quits = 0;
    std::vector<std::string> urls;
};

// The framework's classes and the program's are registered once for the whole process; everything
// the program keeps across a run is released before and after each test.
class Program : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RuntimeInit();
        startup::initialize();
    }
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }

    void reset()
    {
        ReleaseLiveWindows();
        SetBackend(nullptr);
        RuntimeRegisterAppObject(nullptr);
        Menue::ReleaseInstance();
        FileTypes::Release();
        VelnoraLogo::Release();
        SetResourceForkProvider({});
        SetUnhandledExceptionReporter({});
        SetNumberLocale(NumberLocale::c());
        RuntimeInit();
    }

    // Installs resources and keeps them for the test.
    CountingResources& provideResources(bool hasLogo)
    {
        resources_ = MakeRef<CountingResources>(hasLogo);
        Ref<ResourceFork> fork = resources_;
        SetResourceForkProvider([fork] { return fork; });
        return *resources_;
    }

    EchoBackend backend;

private:
    Ref<CountingResources> resources_;
};

template <class C>
Ref<C> Named(const Window& window, std::string_view name)
{
    return ControlNamed<C>(window, name);
}

std::string FieldText(const Window& window, std::string_view name) { return Named<EditField>(window, name)->text(); }
std::string LabelText(const Window& window, std::string_view name) { return Named<StaticText>(window, name)->text(); }

std::vector<std::string> Slice(const std::vector<std::string>& all, std::size_t from)
{
    return from <= all.size() ? std::vector<std::string>(all.begin() + static_cast<long>(from), all.end())
                              : std::vector<std::string>{};
}

std::vector<std::string> MemberLines(const ClassRecord& record)
{
    std::vector<std::string> lines;
    for (const MemberRecord& member : record.ownMembers())
        lines.push_back(member.name + " " + member.signature);
    return lines;
}

// ---------------------------------------------------------------------------------------------------
// The price calculator's controls as the window must show them.

struct ExpectedControl {
    const char* name;
    const char* controlClass;
    std::int32_t left, top, width, height;
};

const ExpectedControl kHauptfensterControls[] = {
    {"AEKField", "EditField", 20, 38, 80, 22},
    {"StaticText1", "StaticText", 20, 12, 30, 20},
    {"AufschlagField", "EditField", 125, 38, 80, 22},
    {"AVKField", "EditField", 20, 162, 80, 22},
    {"StaticText3", "StaticText", 125, 12, 64, 20},
    {"StaticText4", "StaticText", 20, 136, 30, 20},
    {"OKButton", "PushButton", 486, 406, 81, 20},
    {"PushButton2", "PushButton", 410, 406, 69, 20},
    {"CancalButton", "PushButton", 20, 406, 69, 20},
    {"RohgewinnField", "EditField", 125, 223, 80, 22},
    {"AnzahlField", "EditField", 125, 92, 80, 22},
    {"SpanneField", "EditField", 240, 38, 80, 22},
    {"TextSpanne", "StaticText", 240, 12, 64, 20},
    {"TextAnzahl", "StaticText", 125, 67, 64, 20},
    {"TextRohgewinn", "StaticText", 125, 197, 135, 20},
    {"USTField", "EditField", 448, 38, 80, 22},
    {"radioUst16", "RadioButton", 115, 315, 52, 20},
    {"radioUst7", "RadioButton", 179, 315, 56, 20},
    {"textUst", "StaticText", 448, 12, 30, 20},
    {"AnderungField", "EditField", 125, 162, 80, 22},
    {"TextAnderung", "StaticText", 125, 136, 107, 20},
    {"nettoField", "EditField", 347, 38, 80, 22},
    {"StaticText5", "StaticText", 140, 409, 115, 20},
    {"StaticText6", "StaticText", 262, 409, 56, 20},
    {"TextNetto", "StaticText", 347, 14, 69, 20},
    {"GHRabattField", "EditField", 239, 92, 80, 22},
    {"GHText", "StaticText", 239, 67, 75, 20},
    {"HerstellerField", "EditField", 346, 93, 80, 22},
    {"HerstellerText", "StaticText", 346, 67, 100, 20},
    {"RohgewinnNeuField", "EditField", 125, 268, 80, 22},
    {"RohgewinnNeuText", "StaticText", 129, 251, 126, 14},
    {"StaticText2", "StaticText", 490, 320, 75, 20},
    {"avklittle", "LittleArrows", 209, 162, 13, 23},
    {"Aufschlaglittle", "LittleArrows", 209, 37, 13, 23},
    {"AnzahlLittle", "LittleArrows", 209, 92, 13, 23},
    {"GHLittle", "LittleArrows", 321, 92, 13, 23},
    {"HerstellerLittle", "LittleArrows", 433, 93, 13, 23},
    {"AVKNettotext", "StaticText", 20, 67, 84, 20},
    {"AVKNeuField", "EditField", 278, 162, 80, 22},
    {"AVKNeuText", "StaticText", 278, 136, 66, 20},
    {"StaticText7", "StaticText", 271, 247, 100, 20},
    {"PariText", "StaticText", 26, 347, 591, 50},
    {"RohgewinnAnderungText", "StaticText", 271, 269, 100, 20},
    {"AEKNettoText", "StaticText", 20, 94, 93, 20},
    {"radioUst19", "RadioButton", 55, 315, 52, 20},
};

// The class's own methods, in slot order, with their signature texts.
const std::pair<const char*, const char*> kHauptfensterMethods[] = {
    {"Layout", "%%"},
    {"CreateControls", "%%"},
    {"_CreateControls0", "%%"},
    {"AufschlagField_LostFocus", "%%"},
    {"AVKField_TextChange", "%%"},
    {"OKButton_Action", "%%"},
    {"PushButton2_Action", "%%"},
    {"CancalButton_Action", "%%"},
    {"AnzahlField_LostFocus", "%%"},
    {"radioUst16_Action", "%%"},
    {"radioUst7_Action", "%%"},
    {"AnderungField_LostFocus", "%%"},
    {"StaticText5_MouseDown", "%b%i4i4"},
    {"StaticText6_MouseDown", "%b%i4i4"},
    {"GHRabattField_TextChange", "%%"},
    {"HerstellerField_KeyDown", "%b%s"},
    {"avklittle_Up", "%%"},
    {"avklittle_Down", "%%"},
    {"Aufschlaglittle_Up", "%%"},
    {"Aufschlaglittle_Down", "%%"},
    {"AnzahlLittle_Up", "%%"},
    {"AnzahlLittle_Down", "%%"},
    {"GHLittle_Up", "%%"},
    {"GHLittle_Down", "%%"},
    {"HerstellerLittle_Up", "%%"},
    {"HerstellerLittle_Down", "%%"},
    {"radioUst19_Action", "%%"},
    {"FensterMenu", "%o<MenuItem>%"},
    {"FensterberTarivo", "%o<MenuItem>%"},
    {"UntitledItem", "%o<MenuItem>%"},
    {"Fenster16", "%o<MenuItem>%"},
    {"FensterTarivo", "%o<MenuItem>%"},
    {"BearbeitenMenu", "%o<MenuItem>%"},
    {"EditClear", "%o<MenuItem>%"},
    {"EditPaste", "%o<MenuItem>%"},
    {"EditCopy", "%o<MenuItem>%"},
    {"EditCut", "%o<MenuItem>%"},
    {"UntitledMenu0", "%o<MenuItem>%"},
    {"EditUndo", "%o<MenuItem>%"},
    {"DateiMenu", "%o<MenuItem>%"},
    {"FileQuit", "%o<QuitMenuItem>%"},
    {"UntitledMenu1", "%o<MenuItem>%"},
    {"AddMenuHandlers", "%%o<Window>"},
    {"calculateOTC", "%b%f8f8f8i4f8f8"},
    {"calcSpanne", "%f8%f8f8"},
    {"calcAll", "%%"},
    {"getAEK2003", "%f8%f8"},
};

const char* const kMenuAccessors[] = {"FensterMenu", "FensterberTarivo", "UntitledItem", "Fenster16",
                                      "FensterTarivo", "BearbeitenMenu", "EditClear",    "EditPaste",
                                      "EditCopy",     "EditCut",          "UntitledMenu0", "EditUndo",
                                      "DateiMenu",    "FileQuit",         "UntitledMenu1"};

// What the calculation writes; a new window shows none of it.
const char* const kResultFields[] = {"AEKField",       "AufschlagField", "SpanneField",      "USTField",
                                     "AVKField",       "nettoField",     "AnzahlField",      "RohgewinnField",
                                     "RohgewinnNeuField", "AVKNeuField"};
const char* const kResultLabels[] = {"AEKNettoText", "PariText", "RohgewinnAnderungText"};

} // namespace

// ---------------------------------------------------------------------------------------------------
// Class records

using ProgramClasses = Program;

TEST_F(ProgramClasses, HauptfensterHasWindowsOperationsThenItsOwnMethods)
{
    const ClassRecord& record = *FindClass("Hauptfenster.Hauptfenster");
    ASSERT_EQ(&record, &LookupClass<Hauptfenster>());
    EXPECT_EQ(record.superclass(), &LookupClass<Window>());

    std::vector<std::string> methods;
    for (const auto& [name, signature] : kHauptfensterMethods)
        methods.push_back(name);
    ASSERT_EQ(methods.size(), 47u);
    ASSERT_EQ(record.classTable().size(), 93u);
    EXPECT_TRUE(std::equal(Window::Operations().begin(), Window::Operations().end(), record.classTable().begin()));
    EXPECT_EQ(Slice(record.classTable(), 46), methods);
}

TEST_F(ProgramClasses, HauptfensterMembersAreItsMethodsWithTheControlAccessorsAfterTheHooks)
{
    const ClassRecord& record = LookupClass<Hauptfenster>();
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < std::size(kHauptfensterMethods); ++i) {
        expected.push_back(std::string(kHauptfensterMethods[i].first) + " " + kHauptfensterMethods[i].second);
        if (i == 2)
            for (const ExpectedControl& row : kHauptfensterControls)
                expected.push_back(std::string(row.name) + " %o<" + row.controlClass + ">%s");
    }
    ASSERT_EQ(expected.size(), 92u);
    EXPECT_THAT(MemberLines(record), ElementsAreArray(expected));
    EXPECT_THAT(record.implementedEvents(), ElementsAre("Layout", "CreateControls", "AddMenuHandlers"));
}

TEST_F(ProgramClasses, USTHasItsMethodsMembersAndTwoBooleanProperties)
{
    const ClassRecord& record = *FindClass("UST.UST");
    EXPECT_EQ(record.superclass(), &LookupClass<Window>());
    ASSERT_EQ(record.classTable().size(), 56u);
    EXPECT_THAT(Slice(record.classTable(), 46),
                ElementsAre("Layout", "CreateControls", "_CreateControls0", "EditPreis16_TextChange",
                            "EditPreis16_GotFocus", "EditPreis19_TextChange", "EditPreis19_GotFocus", "Pushok_Action",
                            "AddMenuHandlers", "calcUST"));
    EXPECT_THAT(MemberLines(record),
                ElementsAre("Layout %%", "CreateControls %%", "_CreateControls0 %%", "StaticText16 %o<StaticText>%s",
                            "EditPreis16 %o<EditField>%s", "StaticText19 %o<StaticText>%s",
                            "EditPreis19 %o<EditField>%s", "Pushok %o<PushButton>%s", "EditPreis16_TextChange %%",
                            "EditPreis16_GotFocus %%", "EditPreis19_TextChange %%", "EditPreis19_GotFocus %%",
                            "Pushok_Action %%", "AddMenuHandlers %%o<Window>", "calcUST %%"));
    EXPECT_THAT(record.implementedEvents(), ElementsAre("Layout", "CreateControls", "AddMenuHandlers"));

    ASSERT_EQ(record.ownProperties().size(), 2u);
    Ref<UST> window = MakeRef<UST>();
    for (const PropertyRecord& property : record.ownProperties()) {
        SCOPED_TRACE(property.name);
        EXPECT_EQ(property.typeCode, "b");
        bool& field = property.name == "set16" ? window->set16 : window->set19;
        EXPECT_EQ(property.get(*window), Value(false));
        property.set(*window, Value(true));
        EXPECT_TRUE(field);
        EXPECT_EQ(property.get(*window), Value(true));
        EXPECT_THROW(property.set(*window, Value(std::int32_t{1})), IllegalCastException);
        EXPECT_TRUE(field);
        property.set(*window, Value(false));
        EXPECT_FALSE(field);
    }
    EXPECT_EQ(record.ownProperties()[0].name, "set16");
    EXPECT_EQ(record.ownProperties()[1].name, "set19");
}

TEST_F(ProgramClasses, WelcomeHasItsHooksAndControlAccessors)
{
    const ClassRecord& record = *FindClass("Welcome.Welcome");
    ASSERT_EQ(record.classTable().size(), 50u);
    EXPECT_THAT(Slice(record.classTable(), 46),
                ElementsAre("Layout", "CreateControls", "_CreateControls0", "AddMenuHandlers"));
    EXPECT_THAT(MemberLines(record),
                ElementsAre("Layout %%", "CreateControls %%", "_CreateControls0 %%", "StaticText1 %o<StaticText>%s",
                            "StaticText2 %o<StaticText>%s", "StaticText3 %o<StaticText>%s",
                            "StaticText4 %o<StaticText>%s", "Canvas1 %o<Canvas>%s", "AddMenuHandlers %%o<Window>"));
    EXPECT_THAT(record.implementedEvents(), ElementsAre("Layout", "CreateControls", "AddMenuHandlers"));
}

TEST_F(ProgramClasses, AppAddsThreeFensterActionsToTheApplication)
{
    const ClassRecord& record = *FindClass("App");
    EXPECT_EQ(record.superclass(), &LookupClass<Application>());
    ASSERT_EQ(record.classTable().size(), 20u);
    EXPECT_TRUE(std::equal(Application::Operations().begin(), Application::Operations().end(),
                           record.classTable().begin()));
    EXPECT_THAT(MemberLines(record), ElementsAre("_FensterTarivo_Action %b%", "_Fenster16_Action %b%",
                                                 "_FensterberTarivo_Action %b%"));
    EXPECT_THAT(Slice(record.classTable(), 17),
                ElementsAre("_FensterTarivo_Action", "_Fenster16_Action", "_FensterberTarivo_Action"));
}

TEST_F(ProgramClasses, MenueIsAMenuBarWithThreeBuildSteps)
{
    const ClassRecord& record = *FindClass("Menü.Menü");
    EXPECT_EQ(record.superclass(), &LookupClass<MenuBar>());
    ASSERT_EQ(record.classTable().size(), 25u);
    std::vector<std::string> expected = MenuItem::Operations();
    expected.insert(expected.end(), {"Constructor", "_InstallClone", "Untitled1", "Untitled2", "Untitled3"});
    EXPECT_EQ(record.classTable(), expected);
    EXPECT_THAT(MemberLines(record), ElementsAre("Untitled1 %%", "Untitled2 %%", "Untitled3 %%", "Constructor %%"));
}

// ---------------------------------------------------------------------------------------------------
// The menu bar

struct MenuRow {
    const char* parent; // nullptr for a menu of the bar
    const char* name;
    const char* text;
    std::optional<std::string> shortcut;
    bool quitItem;
};

const MenuRow kMenuRows[] = {
    {nullptr, "DateiMenu", "&Datei", "", false},
    {"DateiMenu", "FileQuit", "Beenden", "Cmd+Q", true},
    {nullptr, "BearbeitenMenu", "&Bearbeiten", "", false},
    {"BearbeitenMenu", "EditUndo", "Undo", "Cmd+Z", false},
    {"BearbeitenMenu", "UntitledMenu0", "-", std::nullopt, false},
    {"BearbeitenMenu", "EditCut", "Ausschneiden", "Cmd+X", false},
    {"BearbeitenMenu", "EditCopy", "Kopieren", "Cmd+C", false},
    {"BearbeitenMenu", "EditPaste", "Einfügen", "Cmd+V", false},
    {"BearbeitenMenu", "EditClear", "Löschen", "", false},
    {nullptr, "FensterMenu", "Fenster", "", false},
    {"FensterMenu", "FensterTarivo", "Tarivo", "", false},
    {"FensterMenu", "Fenster16", "16% auf 19%", "", false},
    {"FensterMenu", "UntitledItem", "-", std::nullopt, false},
    {"FensterMenu", "FensterberTarivo", "Über Tarivo", "", false},
};

using MenuBarTree = Program;

TEST_F(MenuBarTree, MenusAndItemsStandInOrderWithTheirTextsAndShortcuts)
{
    Ref<Menue> bar = Menue::Instance();
    std::vector<std::string> menus;
    for (const Ref<MenuItem>& menu : bar->children())
        menus.push_back(menu->name());
    EXPECT_THAT(menus, ElementsAre("DateiMenu", "BearbeitenMenu", "FensterMenu"));

    std::map<std::string, std::size_t> nextIndex;
    for (const MenuRow& row : kMenuRows) {
        SCOPED_TRACE(row.name);
        Ref<MenuItem> item;
        if (!row.parent) {
            item = bar->Child(row.name);
        } else {
            Ref<MenuItem> parent = bar->Child(row.parent);
            ASSERT_TRUE(parent);
            std::size_t index = nextIndex[row.parent]++;
            ASSERT_LT(index, parent->children().size());
            item = parent->children()[index];
            EXPECT_EQ(item->name(), row.name);
        }
        ASSERT_TRUE(item);
        EXPECT_EQ(item->text(), row.text);
        EXPECT_EQ(item->keyboardShortcut(), row.shortcut);
        EXPECT_TRUE(item->autoEnable());
        EXPECT_EQ(item->isQuitItem(), row.quitItem);
        EXPECT_EQ(&item->classRecord(), row.quitItem ? &LookupClass<QuitMenuItem>() : &LookupClass<MenuItem>());
        EXPECT_EQ(item->isSeparator(), std::string(row.text) == "-");
    }
    for (const auto& [menu, count] : nextIndex)
        EXPECT_EQ(bar->Child(menu)->children().size(), count) << menu;
}

TEST_F(MenuBarTree, IsBuiltOnceAndKeptUntilReleased)
{
    EXPECT_FALSE(Menue::HasInstance());
    Ref<Menue> first = Menue::Instance();
    EXPECT_TRUE(Menue::HasInstance());
    EXPECT_EQ(Menue::Instance().get(), first.get());
    EXPECT_EQ(first->children().size(), 3u);
    EXPECT_EQ(&first->classRecord(), FindClass("Menü.Menü"));

    Menue::ReleaseInstance();
    EXPECT_FALSE(Menue::HasInstance());
    Ref<Menue> second = Menue::Instance();
    EXPECT_NE(second.get(), first.get());
    EXPECT_EQ(second->children().size(), 3u);
}

// ---------------------------------------------------------------------------------------------------
// The price calculator window

using PriceWindow = Program;

TEST_F(PriceWindow, HasItsControlsInOrderWithTabIndexAndPosition)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    ASSERT_EQ(window->controls().size(), std::size(kHauptfensterControls));
    for (std::size_t i = 0; i < std::size(kHauptfensterControls); ++i) {
        const ExpectedControl& row = kHauptfensterControls[i];
        const Ref<Control>& control = window->controls()[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(control->name(), row.name);
        EXPECT_EQ(control->classRecord().name(), row.controlClass);
        EXPECT_EQ(control->intProperty(Prop::TabIndex), static_cast<std::int32_t>(i));
        EXPECT_EQ(control->intProperty(Prop::Left), row.left);
        EXPECT_EQ(control->intProperty(Prop::Top), row.top);
        EXPECT_EQ(control->intProperty(Prop::Width), row.width);
        EXPECT_EQ(control->intProperty(Prop::Height), row.height);
    }
    EXPECT_EQ(window->intProperty(Prop::Width), 637);
    EXPECT_EQ(window->intProperty(Prop::Height), 446);
    EXPECT_EQ(window->title(), "Tarivo Velnora");
    EXPECT_FALSE(window->boolProperty(Prop::Resizeable));
}

TEST_F(PriceWindow, ShowsTheApplicationsOwnMenuBar)
{
    startup::NewAppInstance();
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    ASSERT_TRUE(window->menuBar());
    EXPECT_EQ(window->menuBar().get(), Menue::Instance().get());
    EXPECT_EQ(GetAppObject()->menuBar().get(), window->menuBar().get());
}

TEST_F(PriceWindow, MenuAccessorsFindTheBarsItemsByName)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    const ClassRecord& record = window->classRecord();
    for (const char* accessor : kMenuAccessors) {
        SCOPED_TRACE(accessor);
        Value result = record.invoke(*window, accessor);
        ASSERT_TRUE(std::holds_alternative<Ref<Object>>(result));
        Ref<Object> object = std::get<Ref<Object>>(result);
        if (std::string(accessor) == "UntitledMenu1") {
            EXPECT_EQ(object, nullptr); // the bar has no such item
            continue;
        }
        auto* item = dynamic_cast<MenuItem*>(object.get());
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->name(), accessor);
        EXPECT_EQ(item, Menue::Instance()->Lookup(accessor).get());
    }
    Ref<QuitMenuItem> quit = window->FileQuit();
    ASSERT_TRUE(quit);
    EXPECT_TRUE(quit->isQuitItem());
    EXPECT_EQ(window->DateiMenu()->children().front().get(), quit.get());
    EXPECT_EQ(window->UntitledMenu1(), nullptr);
}

TEST_F(PriceWindow, MenuAccessorsOfAWindowWithoutMenuBarRaiseNilObject)
{
    Ref<Hauptfenster> unbuilt = MakeRef<Hauptfenster>();
    ASSERT_EQ(unbuilt->menuBar(), nullptr);
    for (const char* accessor : kMenuAccessors) {
        EXPECT_THROW(unbuilt->classRecord().invoke(*unbuilt, accessor), NilObjectException) << accessor;
    }
    EXPECT_THROW(unbuilt->FileQuit(), NilObjectException);
}

TEST_F(PriceWindow, AddMenuHandlersTakesOnlyAPriceCalculator)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    Ref<UST> other = MakeRef<UST>();
    EXPECT_THROW(window->AddMenuHandlers(*other), IllegalCastException);
    const Value otherWindow[] = {Value(Ref<Object>(other))};
    EXPECT_THROW(window->classRecord().invoke(*window, "AddMenuHandlers", otherWindow), IllegalCastException);
    EXPECT_NO_THROW(window->AddMenuHandlers(*window));
}

TEST_F(PriceWindow, ANewWindowShowsNoResultsAndSelects19Percent)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    for (const char* field : kResultFields)
        EXPECT_EQ(FieldText(*window, field), "") << field;
    for (const char* label : kResultLabels)
        EXPECT_EQ(LabelText(*window, label), "") << label;
    EXPECT_TRUE(Named<RadioButton>(*window, "radioUst19")->value());
    EXPECT_FALSE(Named<RadioButton>(*window, "radioUst16")->value());
    EXPECT_FALSE(Named<RadioButton>(*window, "radioUst7")->value());
    for (const ExpectedControl& row : kHauptfensterControls) {
        const std::string name = row.name;
        const bool disabled = name == "SpanneField" || name == "USTField" || name == "nettoField";
        EXPECT_EQ(Named<Control>(*window, name)->boolProperty(Prop::Enabled), !disabled) << name;
    }
}

TEST_F(PriceWindow, BuildingRunsNoHandlerEvenWithPeersThatEchoTheLayoutTexts)
{
    // Each field's empty layout text reaches the peer, which reports it as a change. GHRabattField's
    // handler would fill every result field if it ran.
    SetBackend(&backend);
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    for (const char* field : kResultFields)
        EXPECT_EQ(FieldText(*window, field), "") << field;
    for (const char* label : kResultLabels)
        EXPECT_EQ(LabelText(*window, label), "") << label;

    // The same peers do reach the handlers once the window is built.
    Named<EditField>(*window, "GHRabattField")->setText("3");
    EXPECT_EQ(FieldText(*window, "AnzahlField"), "1");
}

TEST_F(PriceWindow, NeuEmptiesTheInputsAndTheFirstResultsButKeepsTheRest)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    Named<EditField>(*window, "AEKField")->setText("10");
    Named<EditField>(*window, "AnzahlField")->setText("2");
    Named<EditField>(*window, "AnderungField")->setText("5");
    Named<EditField>(*window, "GHRabattField")->setText("3");
    Named<EditField>(*window, "HerstellerField")->setText("2");
    Named<Control>(*window, "OKButton")->raiseEvent("Action");

    const char* const emptied[] = {"AEKField",   "AufschlagField", "SpanneField",    "USTField",
                                   "AVKField",   "nettoField",     "AnzahlField",    "RohgewinnField",
                                   "AnderungField", "GHRabattField", "HerstellerField"};
    for (const char* field : emptied)
        ASSERT_NE(FieldText(*window, field), "") << field;
    ASSERT_NE(LabelText(*window, "AEKNettoText"), "");
    const std::string kept[] = {FieldText(*window, "AVKNeuField"), FieldText(*window, "RohgewinnNeuField"),
                                LabelText(*window, "RohgewinnAnderungText"), LabelText(*window, "PariText")};
    for (const std::string& text : kept)
        ASSERT_NE(text, "");

    Named<Control>(*window, "PushButton2")->raiseEvent("Action");

    for (const char* field : emptied)
        EXPECT_EQ(FieldText(*window, field), "") << field;
    EXPECT_EQ(LabelText(*window, "AEKNettoText"), "");
    EXPECT_EQ(FieldText(*window, "AVKNeuField"), kept[0]);
    EXPECT_EQ(FieldText(*window, "RohgewinnNeuField"), kept[1]);
    EXPECT_EQ(LabelText(*window, "RohgewinnAnderungText"), kept[2]);
    EXPECT_EQ(LabelText(*window, "PariText"), kept[3]);
}

TEST_F(PriceWindow, TheWholesaleDiscountArrowStepsByATenthPercent)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    Ref<Control> arrows = Named<Control>(*window, "GHLittle");
    std::vector<std::string> shown;
    for (int i = 0; i < 10; ++i) {
        arrows->raiseEvent("Up");
        shown.push_back(FieldText(*window, "GHRabattField"));
    }
    // '#' shows no integer digit below one.
    EXPECT_THAT(shown, ElementsAre(".10%", ".20%", ".30%", ".40%", ".50%", ".60%", ".70%", ".80%", ".90%", "1.00%"));
    arrows->raiseEvent("Down");
    EXPECT_EQ(FieldText(*window, "GHRabattField"), ".90%");
}

struct CountStep {
    const char* start;
    const char* event;
    const char* shown;
};

void PrintTo(const CountStep& step, std::ostream* out) { *out << step.event << " from \"" << step.start << "\""; }

class CountArrows : public Program, public ::testing::WithParamInterface<CountStep> {};

TEST_P(CountArrows, StepTheCountAndTheCalculationWritesItBack)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    Named<EditField>(*window, "AnzahlField")->setText(GetParam().start);
    Named<Control>(*window, "AnzahlLittle")->raiseEvent(GetParam().event);
    EXPECT_EQ(FieldText(*window, "AnzahlField"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(PriceWindow, CountArrows,
                         ::testing::Values(CountStep{"1", "Down", "1"},  // 0 counts as one package
                                           CountStep{"", "Down", "-1"}, CountStep{"", "Up", "1"},
                                           CountStep{"5", "Up", "6"}, CountStep{"-1", "Down", "-2"}));

TEST_F(PriceWindow, LinksAndAbbruchHandTheirWorkToTheSystem)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    SetBackend(&backend);
    const Value click[] = {Value(std::int32_t{5}), Value(std::int32_t{5})};
    EXPECT_FALSE(Named<Control>(*window, "StaticText5")->raiseBooleanEvent("MouseDown", click));
    EXPECT_FALSE(Named<Control>(*window, "StaticText6")->raiseBooleanEvent("MouseDown", click));
    ASSERT_EQ(backend.urls.size(), 2u);
    EXPECT_THAT(backend.urls[0], StartsWith("mailto:"));
    EXPECT_THAT(backend.urls[1], StartsWith("http://"));

    EXPECT_EQ(backend.quits, 0);
    Named<Control>(*window, "CancalButton")->raiseEvent("Action");
    EXPECT_EQ(backend.quits, 1);
}

TEST_F(PriceWindow, AKeyInTheManufacturerFieldRecalculatesAndIsNotConsumed)
{
    Ref<Hauptfenster> window = SharedWindow<Hauptfenster>();
    const Value key[] = {Value("5"s)};
    EXPECT_FALSE(Named<Control>(*window, "HerstellerField")->raiseBooleanEvent("KeyDown", key));
    EXPECT_EQ(FieldText(*window, "AnzahlField"), "1");
}

// ---------------------------------------------------------------------------------------------------
// Start-up and shutdown

using Startup = Program;

TEST_F(Startup, NewAppInstanceRegistersAnAppWithTheMenuBar)
{
    EXPECT_EQ(GetAppObject(), nullptr);
    startup::NewAppInstance();
    Ref<Application> app = GetAppObject();
    ASSERT_TRUE(app);
    EXPECT_EQ(&app->classRecord(), FindClass("App"));
    EXPECT_EQ(App::Instance().get(), app.get());
    EXPECT_EQ(app->menuBar().get(), Menue::Instance().get());
}

TEST_F(Startup, ApplicationAddMenuHandlersBindsTheThreeFensterItems)
{
    EXPECT_THROW(startup::ApplicationAddMenuHandlers(), NilObjectException);
    startup::NewAppInstance();
    startup::ApplicationAddMenuHandlers();
    Ref<Application> app = GetAppObject();
    for (const char* bound : {"FensterTarivo", "Fenster16", "FensterberTarivo"})
        EXPECT_TRUE(app->hasMenuHandler(bound)) << bound;
    for (const char* unbound : {"FensterMenu", "FileQuit", "EditCopy", "DateiMenu", "UntitledItem",
                                "_Fenster16_Action", "16% auf 19%"})
        EXPECT_FALSE(app->hasMenuHandler(unbound)) << unbound;
}

TEST_F(Startup, TheFensterItemsBringUpTheirWindows)
{
    startup::NewAppInstance();
    startup::ApplicationAddMenuHandlers();
    Ref<Application> app = GetAppObject();
    Ref<Menue> bar = Menue::Instance();

    EXPECT_EQ(GetImplicitWindow("UST.UST"), nullptr);
    EXPECT_TRUE(app->HandleMenuCommand(*bar->Lookup("Fenster16")));
    Ref<Window> ust = GetImplicitWindow("UST.UST");
    ASSERT_TRUE(ust);
    EXPECT_TRUE(ust->visible());
    EXPECT_TRUE(app->HandleMenuCommand(*bar->Lookup("Fenster16")));
    EXPECT_EQ(GetImplicitWindow("UST.UST").get(), ust.get());

    EXPECT_TRUE(app->HandleMenuCommand(*bar->Lookup("FensterTarivo")));
    EXPECT_TRUE(GetImplicitWindow("Hauptfenster.Hauptfenster"));

    // The about window needs the logo: without resources the command fails and leaves no window.
    EXPECT_THROW(app->HandleMenuCommand(*bar->Lookup("FensterberTarivo")), NilObjectException);
    EXPECT_EQ(GetImplicitWindow("Welcome.Welcome"), nullptr);
    provideResources(true);
    EXPECT_TRUE(app->HandleMenuCommand(*bar->Lookup("FensterberTarivo")));
    EXPECT_TRUE(GetImplicitWindow("Welcome.Welcome"));
    EXPECT_EQ(LiveWindows().size(), 3u);

    EXPECT_FALSE(app->HandleMenuCommand(*bar->Lookup("FensterMenu")));
}

TEST_F(Startup, TheFileTypeIsRegisteredOnceAndWithdrawnOnRelease)
{
    ASSERT_TRUE(RegisteredFileTypes().empty());
    FileTypes::Initialize();
    ASSERT_EQ(RegisteredFileTypes().size(), 1u);
    const RegisteredFileType& type = RegisteredFileTypes().front();
    EXPECT_EQ(type.name, "text");
    EXPECT_EQ(type.extensions, "");
    EXPECT_EQ(type.macType, "TEXT");
    EXPECT_EQ(type.macCreator, "R*ch");
    ASSERT_TRUE(FileTypes::pText());
    EXPECT_TRUE(FileTypes::pText()->isRegistered());
    EXPECT_EQ(FileTypes::pText()->toText(), "text");
    EXPECT_EQ(RegisteredFileTypes().size(), 1u);

    FileTypes::Initialize(); // a second set-up replaces the first
    EXPECT_EQ(RegisteredFileTypes().size(), 1u);

    FileTypes::Release();
    EXPECT_TRUE(RegisteredFileTypes().empty());
    EXPECT_EQ(FileTypes::pText(), nullptr);
    FileTypes::Release();
}

TEST_F(Startup, TheLogoNeedsResources)
{
    EXPECT_THROW(VelnoraLogo::Get(), NilObjectException);
    EXPECT_FALSE(VelnoraLogo::IsLoaded());
}

TEST_F(Startup, TheLogoIsReadOnceAndKept)
{
    CountingResources& resources = provideResources(true);
    Ref<Picture> first = VelnoraLogo::Get();
    ASSERT_TRUE(first);
    EXPECT_TRUE(VelnoraLogo::IsLoaded());
    EXPECT_EQ(VelnoraLogo::Get().get(), first.get());
    EXPECT_THAT(resources.requests, ElementsAre(168));

    VelnoraLogo::Release();
    EXPECT_FALSE(VelnoraLogo::IsLoaded());
    EXPECT_NE(VelnoraLogo::Get(), nullptr);
    EXPECT_THAT(resources.requests, ElementsAre(168, 168));
}

TEST_F(Startup, AMissingLogoIsAskedForAgainOnEveryRequest)
{
    CountingResources& resources = provideResources(false);
    EXPECT_EQ(VelnoraLogo::Get(), nullptr);
    EXPECT_EQ(VelnoraLogo::Get(), nullptr);
    EXPECT_FALSE(VelnoraLogo::IsLoaded());
    EXPECT_THAT(resources.requests, ElementsAre(168, 168));
}

TEST_F(Startup, MainBuildsTheDefaultViewAndReportsNothing)
{
    std::vector<std::string> reports;
    SetUnhandledExceptionReporter([&](const std::string& message) { reports.push_back(message); });
    startup::Main();
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(GetImplicitWindow("Hauptfenster.Hauptfenster"));
    EXPECT_EQ(LiveWindows().size(), 1u);
    EXPECT_EQ(RegisteredFileTypes().size(), 1u);
    ASSERT_TRUE(GetAppObject());
    EXPECT_TRUE(GetAppObject()->hasMenuHandler("Fenster16"));
}

namespace {

struct KeptState {
    bool logo, windows, fileType, menuBar;
};

KeptState Kept()
{
    return {VelnoraLogo::IsLoaded(), !LiveWindows().empty(), FileTypes::pText() != nullptr, Menue::HasInstance()};
}

} // namespace

TEST_F(Startup, FinalizeReleasesStepByStepInItsOrder)
{
    std::vector<std::string> names;
    for (const startup::FinalizeStep& step : startup::FinalizeSteps())
        names.emplace_back(step.what);
    EXPECT_THAT(names, ElementsAre("logo", "framework lists", "file type", "menu bar"));

    provideResources(true);
    startup::InitFileTypes();
    startup::NewAppInstance();
    startup::MakeDefaultView();
    VelnoraLogo::Get();
    KeptState kept = Kept();
    ASSERT_TRUE(kept.logo && kept.windows && kept.fileType && kept.menuBar);

    // Each step releases its own part and nothing else.
    bool* const parts[] = {&kept.logo, &kept.windows, &kept.fileType, &kept.menuBar};
    for (std::size_t i = 0; i < startup::FinalizeSteps().size(); ++i) {
        startup::FinalizeSteps()[i].release();
        *parts[i] = false;
        KeptState now = Kept();
        SCOPED_TRACE(startup::FinalizeSteps()[i].what);
        EXPECT_EQ(now.logo, kept.logo);
        EXPECT_EQ(now.windows, kept.windows);
        EXPECT_EQ(now.fileType, kept.fileType);
        EXPECT_EQ(now.menuBar, kept.menuBar);
    }
    EXPECT_TRUE(RegisteredFileTypes().empty());
}

TEST_F(Startup, AfterFinalizeNothingIsKeptAndASecondFinalizeDoesNothing)
{
    provideResources(true);
    startup::InitFileTypes();
    startup::NewAppInstance();
    startup::ApplicationAddMenuHandlers();
    startup::MakeDefaultView();
    GetAppObject()->HandleMenuCommand(*Menue::Instance()->Lookup("FensterberTarivo"));
    GetAppObject()->HandleMenuCommand(*Menue::Instance()->Lookup("Fenster16"));
    ASSERT_EQ(LiveWindows().size(), 3u);

    startup::finalize();
    KeptState now = Kept();
    EXPECT_FALSE(now.logo);
    EXPECT_FALSE(now.windows);
    EXPECT_FALSE(now.fileType);
    EXPECT_FALSE(now.menuBar);
    EXPECT_TRUE(RegisteredFileTypes().empty());
    EXPECT_NO_THROW(startup::finalize());
}

// ---------------------------------------------------------------------------------------------------
// The VAT converter

struct VatRow {
    const char* what;
    bool from16;
    bool german;
    const char* input;
    const char* converted;
};

void PrintTo(const VatRow& row, std::ostream* out) { *out << row.what; }

class VatConversion : public Program, public ::testing::WithParamInterface<VatRow> {};

TEST_P(VatConversion, TypingInTheSourceFieldWritesTheOtherPrice)
{
    const VatRow& row = GetParam();
    if (row.german)
        SetNumberLocale(NumberLocale::german());
    Ref<UST> window = SharedWindow<UST>();
    const char* source = row.from16 ? "EditPreis16" : "EditPreis19";
    const char* destination = row.from16 ? "EditPreis19" : "EditPreis16";

    Named<Control>(*window, source)->raiseEvent("GotFocus");
    Named<EditField>(*window, source)->userChangedText(row.input);
    Named<Control>(*window, source)->raiseEvent("TextChange");
    EXPECT_EQ(FieldText(*window, destination), row.converted);
    EXPECT_EQ(FieldText(*window, source), row.input);
}

INSTANTIATE_TEST_SUITE_P(
    VatConverter, VatConversion,
    ::testing::Values(VatRow{"From16", true, false, "100", "102.59 €"},
                      VatRow{"From16German", true, true, "1234,5", "1.266,43 €"},
                      VatRow{"From19", false, false, "119", "116.00 €"},
                      VatRow{"From19German", false, true, "1.266,43", "1.234,50 €"},
                      VatRow{"EmptySource", true, false, "", "0.00 €"},
                      VatRow{"TextWithEuroSign", false, false, "102.59 €", "100.00 €"}),
    [](const ::testing::TestParamInfo<VatRow>& info) { return std::string(info.param.what); });

using VatConverter = Program;

TEST_F(VatConverter, CalcUSTConvertsOnlyFromTheMarkedField)
{
    Ref<UST> window = SharedWindow<UST>();
    Ref<EditField> price16 = Named<EditField>(*window, "EditPreis16");
    Ref<EditField> price19 = Named<EditField>(*window, "EditPreis19");
    price16->setText("100");
    price19->setText("keep");

    window->calcUST(); // neither field marked
    EXPECT_EQ(price16->text(), "100");
    EXPECT_EQ(price19->text(), "keep");

    window->set16 = true;
    window->calcUST();
    EXPECT_EQ(price19->text(), "102.59 €");
    EXPECT_EQ(price16->text(), "100");
}

TEST_F(VatConverter, FocusMarksTheSourceField)
{
    Ref<UST> window = SharedWindow<UST>();
    EXPECT_FALSE(window->set16);
    EXPECT_FALSE(window->set19);
    Named<Control>(*window, "EditPreis19")->raiseEvent("GotFocus");
    EXPECT_FALSE(window->set16);
    EXPECT_TRUE(window->set19);
    Named<Control>(*window, "EditPreis16")->raiseEvent("GotFocus");
    EXPECT_TRUE(window->set16);
    EXPECT_FALSE(window->set19);
}

TEST_F(VatConverter, NeuEmptiesBothFieldsAndKeepsTheMark)
{
    Ref<UST> window = SharedWindow<UST>();
    Named<Control>(*window, "EditPreis16")->raiseEvent("GotFocus");
    Named<EditField>(*window, "EditPreis16")->userChangedText("50");
    Named<Control>(*window, "EditPreis16")->raiseEvent("TextChange");
    ASSERT_NE(FieldText(*window, "EditPreis19"), "");

    Named<Control>(*window, "Pushok")->raiseEvent("Action");
    EXPECT_EQ(FieldText(*window, "EditPreis16"), "");
    EXPECT_EQ(FieldText(*window, "EditPreis19"), "");
    EXPECT_TRUE(window->set16);
    EXPECT_FALSE(window->set19);
}

// ---------------------------------------------------------------------------------------------------
// The about window

using AboutWindow = Program;

TEST_F(AboutWindow, WithoutResourcesItIsNotBuilt)
{
    EXPECT_THROW(SharedWindow<Welcome>(), NilObjectException);
    EXPECT_EQ(GetImplicitWindow("Welcome.Welcome"), nullptr);
    EXPECT_TRUE(LiveWindows().empty());
}

TEST_F(AboutWindow, ContactBlockAndDescriptionKeepTheirLinesAndBytes)
{
    provideResources(true);
    Ref<Welcome> window = SharedWindow<Welcome>();

    const std::string contact = LabelText(*window, "StaticText3");
    std::vector<std::string> lines{""};
    for (char c : contact) {
        if (c == '\r')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    EXPECT_EQ(std::count(contact.begin(), contact.end(), '\r'), 9);
    EXPECT_EQ(lines.size(), 10u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 2);
    EXPECT_EQ(contact.find('\n'), std::string::npos);

    const std::string description = LabelText(*window, "StaticText4");
    const auto characters = std::count_if(description.begin(), description.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    EXPECT_EQ(description.size(), 84u);
    EXPECT_EQ(characters, 82);
}

TEST_F(AboutWindow, LayoutsHaveTheirSizesAndTheCanvasShowsTheLogo)
{
    CountingResources& resources = provideResources(true);
    EXPECT_EQ(WindowLayout(Welcome::LayoutRow()).size(), 293u);
    ASSERT_EQ(Welcome::Controls().blueprints().size(), 5u);
    EXPECT_EQ(Welcome::Controls().blueprints()[4].name, "Canvas1");
    EXPECT_EQ(Welcome::Controls().blueprints()[4].layout.size(), 257u);

    Ref<Welcome> window = SharedWindow<Welcome>();
    Ref<Canvas> canvas = Named<Canvas>(*window, "Canvas1");
    ASSERT_TRUE(canvas->backdrop());
    EXPECT_EQ(canvas->backdrop().get(), VelnoraLogo::Get().get());
    EXPECT_THAT(resources.requests, ElementsAre(168));
    EXPECT_EQ(window->title(), "Willkommen");
}
