// The paths off the usual road, on the plain window model: a start-up step that fails, a menu bar whose
// build fails, the order of the entries in every layout, and the Fenster commands on a window that is
// already there.
#include "about/Welcome.h"
#include "calculator/Hauptfenster.h"
#include "menubar/Menue.h"
#include "resources/VelnoraLogo.h"
#include "shell/Startup.h"
#include "vat/UST.h"

#include "framework/Application.h"
#include "framework/Backend.h"
#include "framework/FileType.h"
#include "framework/LayoutKinds.h"
#include "framework/NumberLocale.h"
#include "framework/PropertyBlob.h"
#include "framework/Resources.h"
#include "framework/Window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using namespace fw;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

namespace {

// Where each window keeps its layouts: its own, and one per control in creation order.
struct WindowLayouts {
    std::string_view window;
    std::string layout;
    std::span<const ControlBlueprint> controls;
};

std::vector<WindowLayouts> ProgramLayouts()
{
    return {{"Hauptfenster", WindowLayout(Hauptfenster::LayoutRow()), Hauptfenster::Controls().blueprints()},
            {"UST", WindowLayout(UST::LayoutRow()), UST::Controls().blueprints()},
            {"Welcome", WindowLayout(Welcome::LayoutRow()), Welcome::Controls().blueprints()}};
}

// Resources that hold the maker's logo, so that the about window can be built.
class LogoResources : public ResourceFork {
public:
    Ref<Picture> GetPicture(int id) override
    {
        return id == VelnoraLogo::kPictureId ? MakeRef<Picture>(std::string("\x89PNG logo")) : nullptr;
    }
};

// Counts what start-up hands to the toolkit: windows built, the application's menu bar, event loops.
class CountingBackend : public Backend {
public:
    std::unique_ptr<Peer> createWindowPeer(Window&) override
    {
        ++windows;
        return std::make_unique<Peer>();
    }
    std::unique_ptr<Peer> createControlPeer(Control&, Window&) override { return std::make_unique<Peer>(); }
    void applicationMenuBarChanged() override { ++menuBars; }
    void runEventLoop() override { ++loops; }
    void quit() override {}
    void showURL(const std::string&) override {}
    void editCommand(EditCommand) override {}
    void reportUnhandledException(const std::string&) override {}

    int windows = 0, menuBars = 0, loops = 0;
};

// Classes registered once for the process; whatever a run keeps is let go before and after each test.
class Paths : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RuntimeInit();
        startup::initialize();
    }
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }

    static void reset()
    {
        SetBackend(nullptr);
        RuntimeRegisterAppObject(nullptr);
        startup::finalize();
        SetUnhandledExceptionReporter({});
        SetNumberLocale(NumberLocale::c());
        RuntimeInit();
        Ref<ResourceFork> logo = MakeRef<LogoResources>();
        SetResourceForkProvider([logo] { return logo; });
    }

    CountingBackend backend;
};

// ---------------------------------------------------------------------------------------------------
// A start-up step that fails ends start-up there: the exception is reported, the steps after it do not
// run, shutdown still releases everything, and the exit status is 1.

// Puts a failing step in the place of the named one for as long as it lives.
class FailingStep {
public:
    explicit FailingStep(std::string_view what) : saved_(startup::MainSteps())
    {
        for (startup::MainStep& step : startup::MainSteps())
            if (step.what == what)
                step.run = [] { RaiseNilObjectException("the step could not be done"); };
    }
    ~FailingStep() { startup::MainSteps() = saved_; }

private:
    std::vector<startup::MainStep> saved_;
};

// What start-up has made when the failure is reported.
struct Made {
    bool fileType, app, menuBar, handlers, window;
    friend bool operator==(const Made&, const Made&) = default;
};

struct FailedStep {
    const char* step;
    Made made;
};

void PrintTo(const FailedStep& row, std::ostream* os) { *os << row.step; }
void PrintTo(const Made& m, std::ostream* os)
{
    *os << "file type " << m.fileType << ", app " << m.app << ", menu bar " << m.menuBar << ", handlers "
        << m.handlers << ", window " << m.window;
}

class StartupFailure : public Paths, public ::testing::WithParamInterface<FailedStep> {};

TEST_P(StartupFailure, EndsStartUpThereAndStillShutsDown)
{
    const FailedStep& row = GetParam();
    VelnoraLogo::Get(); // something for shutdown to release
    ASSERT_TRUE(VelnoraLogo::IsLoaded());
    std::vector<std::string> reports;
    std::optional<Made> made;
    SetUnhandledExceptionReporter([&](const std::string& message) {
        reports.push_back(message);
        Ref<Application> app = GetAppObject();
        made = Made{!RegisteredFileTypes().empty(), app != nullptr, Menue::HasInstance(),
                    app && app->hasMenuHandler("FensterTarivo"), !LiveWindows().empty()};
    });
    FailingStep failing(row.step);
    SetBackend(&backend);

    EXPECT_EQ(startup::run(), 1);

    // Nothing after the failing step ran, not even later on.
    EXPECT_EQ(backend.windows, 0);
    EXPECT_EQ(backend.menuBars, row.made.app ? 1 : 0);
    EXPECT_EQ(backend.loops, 0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_THAT(reports[0], HasSubstr("the step could not be done"));
    EXPECT_EQ(made, row.made);
    EXPECT_FALSE(VelnoraLogo::IsLoaded());
    EXPECT_TRUE(RegisteredFileTypes().empty());
    EXPECT_FALSE(Menue::HasInstance());
    EXPECT_TRUE(LiveWindows().empty());
    EXPECT_EQ(GetAppObject(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Startup, StartupFailure,
                         ::testing::Values(FailedStep{"file type", {false, false, false, false, false}},
                                           FailedStep{"application", {true, false, false, false, false}},
                                           FailedStep{"menu handlers", {true, true, true, false, false}},
                                           FailedStep{"default view", {true, true, true, true, false}}),
                         [](const auto& info) {
                             std::string name = info.param.step;
                             std::erase(name, ' ');
                             return name;
                         });

TEST_F(Paths, AStartUpWithoutFailureEndsWithStatusZeroAndReportsNothing)
{
    std::vector<std::string> reports;
    SetUnhandledExceptionReporter([&](const std::string& message) { reports.push_back(message); });
    SetBackend(&backend);
    EXPECT_EQ(startup::run(), 0);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(backend.windows, 1);
    EXPECT_EQ(backend.menuBars, 1);
    EXPECT_EQ(backend.loops, 1);
    EXPECT_TRUE(LiveWindows().empty());
    EXPECT_FALSE(Menue::HasInstance());
}

// ---------------------------------------------------------------------------------------------------
// A menu bar whose build fails keeps nothing; the next request builds the whole bar again.

// A menu bar whose Fenster menu cannot be built while failures remain.
class FlakyMenue : public Menue {
public:
    static constexpr std::string_view kClassName = "FlakyMenue";
    static constexpr std::string_view kDisplayName = "FlakyMenue";
    static void ctblinit()
    {
        ClassBuilder(std::string(kClassName), &LookupClass<Menue>())
            .factory([] { return Ref<Object>(MakeRef<FlakyMenue>()); })
            .registerClass();
    }
    const ClassRecord& classRecord() const override { return LookupClass<FlakyMenue>(); }
    ~FlakyMenue() override { ++released; }
    void Untitled3() override
    {
        if (failures > 0) {
            --failures;
            RaiseNilObjectException("the Fenster menu could not be built");
        }
        Menue::Untitled3();
    }

    static inline int failures = 0;
    static inline int released = 0;
};

TEST_F(Paths, AMenuBarBuildThatFailsKeepsNothingAndTheNextRequestBuildsTheWholeBar)
{
    const ClassRecord& flaky = LookupClass<FlakyMenue>();
    FlakyMenue::failures = 1;
    FlakyMenue::released = 0;

    EXPECT_THROW(Menue::Instance(flaky), NilObjectException);
    EXPECT_FALSE(Menue::HasInstance());
    EXPECT_EQ(FlakyMenue::released, 1) << "the half-built bar is let go";

    Ref<Menue> bar = Menue::Instance(flaky);
    ASSERT_TRUE(bar);
    EXPECT_EQ(&bar->classRecord(), &flaky);
    std::vector<std::string> menus;
    std::vector<std::size_t> entries;
    for (const Ref<MenuItem>& menu : bar->children()) {
        menus.push_back(menu->name());
        entries.push_back(menu->children().size());
    }
    EXPECT_THAT(menus, ElementsAre("DateiMenu", "BearbeitenMenu", "FensterMenu"));
    EXPECT_THAT(entries, ElementsAre(1u, 6u, 4u));
    EXPECT_EQ(Menue::Instance().get(), bar.get());
    EXPECT_EQ(FlakyMenue::released, 1);
}

// ---------------------------------------------------------------------------------------------------
// Every layout holds its kind's entries in the kind's order (the names as written, byte for byte).

const std::vector<std::string> kWindowEntries = {
    "Placement",   "Width",     "Height",        "MinWidth",    "MinHeight",  "MaxWidth",
    "MaxHeight",   "Frame",     "Composite",     "HasBackColor", "BackColor", "Title",
    "Visible",     "FullScreen", "MenuBarVisible", "CloseButton", "Resizeable", "LiveResize",
    "MaximizeButton", "MinimizeButton", "BalloonHelp", "MacProcID"};

const std::vector<std::string> kControlHead = {"Name",     "Index",   "Left",      "Top",
                                               "Width",    "Height",  "LockLeft",  "LockTop",
                                               "LockRight", "LockBottom", "TabPanelIndex", "TabIndex"};

const std::map<std::string, std::vector<std::string>> kClassEntries = {
    {"EditField",
     {"Border", "Multiline", "ScrollbarHorizontal", "ScrollbarVertical", "Styled", "Password", "UseFocusRing",
      "TextColor", "BackColor", "Enabled", "Format", "Visible", "HelpTag", "AutoDeactivate", "TextFont",
      "TextSize", "Bold", "Italic", "Underline", "Text", "Mask", "ReadOnly", "LimitText", "AcceptTabs",
      "Alignment", "DataSource", "DataField", "InitialParent"}},
    {"StaticText",
     {"Text", "TextAlign", "TextColor", "Multiline", "Enabled", "Visible", "HelpTag", "AutoDeactivate",
      "TextFont", "TextSize", "Bold", "Italic", "Underline", "DataSource", "DataField", "InitialParent"}},
    {"PushButton",
     {"Caption", "Default", "Cancel", "Enabled", "Visible", "HelpTag", "AutoDeactivate", "TextFont",
      "TextSize", "Bold", "Italic", "Underline", "InitialParent"}},
    {"RadioButton",
     {"Caption", "Enabled", "Visible", "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic",
      "Underline", "Value", "InitialParent"}},
    {"LittleArrows", {"InitialParent", "Visible", "HelpTag", "AutoDeactivate", "Enabled"}},
    {"Canvas",
     {"Visible", "HelpTag", "AutoDeactivate", "Enabled", "UseFocusRing", "AcceptFocus", "AcceptTabs",
      "EraseBackground", "InitialParent"}},
};

// The entry names as the bytes spell them.
std::vector<std::string> EntryNames(std::string_view layout)
{
    std::vector<std::string> names;
    for (const LayoutEntry& entry : ReadLayout(layout))
        names.emplace_back(layout.substr(entry.offset, layout.find(' ', entry.offset) - entry.offset));
    return names;
}

TEST_F(Paths, EveryLayoutHoldsItsKindsEntriesInItsKindsOrder)
{
    std::size_t layoutCount = 0;
    std::vector<std::size_t> controlCounts;
    for (const WindowLayouts& window : ProgramLayouts()) {
        SCOPED_TRACE(window.window);
        EXPECT_THAT(EntryNames(window.layout), ElementsAreArray(kWindowEntries));
        ++layoutCount;
        controlCounts.push_back(window.controls.size());
        for (const ControlBlueprint& control : window.controls) {
            SCOPED_TRACE(control.name);
            const std::string& controlClass = control.controlClass().name();
            ASSERT_EQ(kClassEntries.count(controlClass), 1u) << controlClass;
            std::vector<std::string> expected = kControlHead;
            // The VAT converter's controls carry their tab index after their class's entries.
            if (window.window == "UST")
                expected.pop_back();
            const std::vector<std::string>& own = kClassEntries.at(controlClass);
            expected.insert(expected.end(), own.begin(), own.end());
            if (window.window == "UST")
                expected.push_back("TabIndex");
            EXPECT_THAT(EntryNames(control.layout), ElementsAreArray(expected));
            ++layoutCount;
        }
    }
    EXPECT_EQ(layoutCount, 58u);
    EXPECT_THAT(controlCounts, ElementsAre(45u, 5u, 5u));
}

// ---------------------------------------------------------------------------------------------------
// The Fenster commands: their handlers always give False, and a command for a window that is open,
// shown or hidden, shows that same window again with what was typed into it.

struct Command {
    const char* handler;
    const char* windowClass;
    const char* field; // a field to type into; nullptr for a window without one
};

void PrintTo(const Command& row, std::ostream* os) { *os << row.handler; }

class FensterCommand : public Paths, public ::testing::WithParamInterface<Command> {};

TEST_P(FensterCommand, ShowsTheOpenWindowAgainWithItsTexts)
{
    const Command& row = GetParam();
    startup::NewAppInstance();
    startup::ApplicationAddMenuHandlers();
    Ref<Application> app = GetAppObject();
    auto choose = [&] { return app->classRecord().invoke(*app, row.handler); };

    EXPECT_EQ(choose(), Value(false));
    Ref<Window> window = GetImplicitWindow(row.windowClass);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->visible());
    if (row.field)
        ControlNamed<EditField>(*window, row.field)->userChangedText("12.34");

    for (bool hidden : {true, false}) {
        SCOPED_TRACE(hidden ? "hidden" : "shown");
        window->setVisible(!hidden);
        EXPECT_EQ(choose(), Value(false));
        EXPECT_EQ(GetImplicitWindow(row.windowClass).get(), window.get());
        EXPECT_EQ(LiveWindows().size(), 1u);
        EXPECT_TRUE(window->visible());
        if (row.field) {
            EXPECT_EQ(ControlNamed<EditField>(*window, row.field)->text(), "12.34");
        }
    }
}

const Command kCommands[] = {
    {"_FensterTarivo_Action", "Hauptfenster.Hauptfenster", "AEKField"},
    {"_Fenster16_Action", "UST.UST", "EditPreis16"},
    {"_FensterberTarivo_Action", "Welcome.Welcome", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Startup, FensterCommand, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.handler).substr(1); });

} // namespace
