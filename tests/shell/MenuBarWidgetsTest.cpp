// The menu bar as Qt shows it in each window of the running program: its menus, items, shortcuts and
// separators, its place above the window's content, Ctrl+Q from any window, and the Bearbeiten
// commands working on the field that has the cursor.
#include "ProgramRun.h"

#include "framework/NumberLocale.h"

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <ostream>

namespace {

// The menu bar, one line per menu title and per item: an item as its caption and shortcut, a
// separator as "----".
const QStringList kMenuBar = {
    "&Datei",
    "  Beenden | Ctrl+Q",
    "&Bearbeiten",
    "  Undo | Ctrl+Z",
    "  ----",
    "  Ausschneiden | Ctrl+X",
    "  Kopieren | Ctrl+C",
    "  Einfügen | Ctrl+V",
    "  Löschen | ",
    "Fenster",
    "  Tarivo | ",
    "  16% auf 19% | ",
    "  ----",
    "  Über Tarivo | ",
};

QStringList shownMenuBar(const fw::Window& window)
{
    QStringList lines;
    for (QAction* title : guitest::MainWidget(window)->menuBar()->actions()) {
        lines << title->text();
        if (!title->menu())
            continue;
        for (QAction* item : title->menu()->actions())
            lines << (item->isSeparator() ? QString("  ----")
                                          : "  " + item->text() + " | " +
                                                item->shortcut().toString(QKeySequence::PortableText));
    }
    return lines;
}

struct WindowRow {
    const char* className;
    const char* fensterItem; // the Fenster command that opens it; none for the start-up window
    QSize content;
};

void PrintTo(const WindowRow& row, std::ostream* out) { *out << row.className; }

const WindowRow kWindows[] = {
    {"Hauptfenster.Hauptfenster", nullptr, {637, 446}},
    {"UST.UST", "Fenster16", {300, 300}},
    {"Welcome.Welcome", "FensterberTarivo", {476, 337}},
};

std::string rowName(const testing::TestParamInfo<WindowRow>& info)
{
    std::string name = info.param.className;
    return name.substr(0, name.find('.'));
}

// Opens the row's window through the Fenster menu of the price calculator and activates it.
fw::Ref<fw::Window> openWindow(const WindowRow& row)
{
    fw::Ref<fw::Window> main = guitest::LiveWindow("Hauptfenster.Hauptfenster");
    EXPECT_TRUE(main);
    if (!main)
        return nullptr;
    guitest::ShowAndActivate(*main);
    if (row.fensterItem)
        guitest::ChooseFromMenuBar(*main, row.fensterItem);
    fw::Ref<fw::Window> window = guitest::LiveWindow(row.className);
    EXPECT_TRUE(window) << row.className;
    if (window)
        guitest::ShowAndActivate(*window);
    return window;
}

class MenuBarInWindow : public testing::TestWithParam<WindowRow> {};

TEST_P(MenuBarInWindow, ShowsTheApplicationMenusAboveTheContent)
{
    QStringList shown;
    QRect bar, content;
    bool barVisible = false;
    guitest::ProgramResult result = guitest::RunProgram([&] {
        fw::Ref<fw::Window> window = openWindow(GetParam());
        ASSERT_TRUE(window);
        shown = shownMenuBar(*window);
        QMainWindow* main = guitest::MainWidget(*window);
        barVisible = main->menuBar()->isVisible();
        bar = main->menuBar()->geometry();
        content = main->centralWidget()->geometry();
    });
    EXPECT_EQ(result.status, guitest::kEndedByTheTest);
    EXPECT_EQ(shown, kMenuBar);
    EXPECT_TRUE(barVisible);
    EXPECT_LE(bar.bottom(), content.top()) << "the bar covers no control";
    EXPECT_EQ(content.size(), GetParam().content);
}

TEST_P(MenuBarInWindow, CtrlQQuitsWithStatusZeroAndTheFullShutdown)
{
    guitest::ProgramResult result = guitest::RunProgram(
        [&] {
            fw::Ref<fw::Window> window = openWindow(GetParam());
            ASSERT_TRUE(window);
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : guitest::WidgetOf(*window);
            QTest::keyClick(target, Qt::Key_Q, Qt::ControlModifier);
        });
    EXPECT_EQ(result.status, 0);
    guitest::ExpectFullShutdown(result);
}

INSTANTIATE_TEST_SUITE_P(Windows, MenuBarInWindow, testing::ValuesIn(kWindows), rowName);

// A menu opened and closed again without a choice leaves the cursor in its field, and the field does
// not count as left: the markup, which calculates when the cursor leaves it, keeps its typed text.
TEST(MenuBarFocus, AMenuClosedWithoutAChoiceLeavesTheFieldAlone)
{
    QString markup, purchase;
    QWidget* focusedBefore = nullptr;
    QWidget* focusedAfter = nullptr;
    guitest::ProgramResult result = guitest::RunProgram([&] {
        fw::Ref<fw::Window> main = guitest::LiveWindow("Hauptfenster.Hauptfenster");
        ASSERT_TRUE(main);
        guitest::ShowAndActivate(*main);
        fw::ControlNamed<fw::EditField>(*main, "AEKField")->setText("10");
        guitest::Focus(*main, "AufschlagField");
        guitest::Type(*main, "AufschlagField", "50");
        focusedBefore = QApplication::focusWidget();
        QMenuBar* bar = guitest::MainWidget(*main)->menuBar();
        QAction* title = bar->actions().value(1);
        ASSERT_TRUE(title && title->menu());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(title->menu()));
        // Escape closes the menu, a second Escape leaves the menu bar.
        QTest::keyClick(title->menu(), Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : bar, Qt::Key_Escape);
        QApplication::processEvents();
        focusedAfter = QApplication::focusWidget();
        markup = guitest::WidgetAs<QLineEdit>(*main, "AufschlagField")->text();
        purchase = guitest::WidgetAs<QLineEdit>(*main, "AEKField")->text();
    });
    EXPECT_EQ(result.status, guitest::kEndedByTheTest);
    EXPECT_EQ(focusedAfter, focusedBefore);
    EXPECT_EQ(markup.toStdString(), "50");
    EXPECT_EQ(purchase.toStdString(), "10");
}

// Bearbeiten commands -----------------------------------------------------------------------------

// A Bearbeiten command chosen from the menu while the cursor is in a field whose edits the window
// answers: the field changes as the command says, and so does what the window works out from it.
struct EditRow {
    const char* what;
    const char* className;
    const char* field;    // typed into, then the command works on it
    const char* typed;
    const char* result;   // the control that shows what the window makes of the field
    const char* clipboardBefore;
    const char* item;
    const char* fieldAfter;
    const char* resultAfter;
    const char* clipboardAfter;
};

void PrintTo(const EditRow& row, std::ostream* out) { *out << row.what; }

// The price calculator answers the wholesaler discount at every edit: with AEK 10 and 50 % markup,
// 10 % discount leaves a net purchase price of 9.00. The converter answers every edit of its source.
const EditRow kEditRows[] = {
    {"Calculator_Undo", "Hauptfenster.Hauptfenster", "GHRabattField", "10", "AEKNettoText", "x", "EditUndo", "", "10.00", "x"},
    {"Calculator_Cut", "Hauptfenster.Hauptfenster", "GHRabattField", "10", "AEKNettoText", "x", "EditCut", "", "10.00", "10"},
    {"Calculator_Copy", "Hauptfenster.Hauptfenster", "GHRabattField", "10", "AEKNettoText", "x", "EditCopy", "10", "9.00", "10"},
    {"Calculator_Paste", "Hauptfenster.Hauptfenster", "GHRabattField", "10", "AEKNettoText", "5", "EditPaste", "5", "9.50", "5"},
    {"Calculator_Clear", "Hauptfenster.Hauptfenster", "GHRabattField", "10", "AEKNettoText", "x", "EditClear", "", "10.00", "x"},
    {"Converter_Undo", "UST.UST", "EditPreis16", "100", "EditPreis19", "x", "EditUndo", "", "0.00 €", "x"},
    {"Converter_Cut", "UST.UST", "EditPreis16", "100", "EditPreis19", "x", "EditCut", "", "0.00 €", "100"},
    {"Converter_Copy", "UST.UST", "EditPreis16", "100", "EditPreis19", "x", "EditCopy", "100", "102.59 €", "100"},
    {"Converter_Paste", "UST.UST", "EditPreis16", "100", "EditPreis19", "119", "EditPaste", "119", "122.08 €", "119"},
    {"Converter_Clear", "UST.UST", "EditPreis16", "100", "EditPreis19", "x", "EditClear", "", "0.00 €", "x"},
};

class EditCommands : public testing::TestWithParam<EditRow> {
protected:
    void SetUp() override
    {
        savedLocale_ = fw::CurrentNumberLocale();
        fw::SetNumberLocale(fw::NumberLocale::c());
    }
    void TearDown() override { fw::SetNumberLocale(savedLocale_); }

private:
    fw::NumberLocale savedLocale_;
};

QString shownText(const fw::Window& window, const char* control)
{
    QWidget* widget = guitest::WidgetOf(window, control);
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return field->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    return "?";
}

TEST_P(EditCommands, ActOnTheFocusedField)
{
    const EditRow& row = GetParam();
    QString field, result, clipboard;
    guitest::ProgramResult run = guitest::RunProgram([&] {
        const bool converter = std::string_view(row.className) == "UST.UST";
        fw::Ref<fw::Window> window =
            openWindow({row.className, converter ? "Fenster16" : nullptr, {}});
        ASSERT_TRUE(window);
        if (!converter) {
            fw::ControlNamed<fw::EditField>(*window, "AEKField")->setText("10");
            fw::ControlNamed<fw::EditField>(*window, "AufschlagField")->setText("50");
        }
        guitest::Focus(*window, row.field);
        guitest::Type(*window, row.field, row.typed);
        guitest::WidgetAs<QLineEdit>(*window, row.field)->selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8(row.clipboardBefore));
        guitest::ChooseFromMenuBar(*window, row.item);
        field = shownText(*window, row.field);
        result = shownText(*window, row.result);
        clipboard = QApplication::clipboard()->text();
    });
    EXPECT_EQ(run.status, guitest::kEndedByTheTest);
    EXPECT_TRUE(run.unhandled.empty());
    EXPECT_EQ(field, QString::fromUtf8(row.fieldAfter));
    EXPECT_EQ(result, QString::fromUtf8(row.resultAfter));
    EXPECT_EQ(clipboard, QString::fromUtf8(row.clipboardAfter));
}

INSTANTIATE_TEST_SUITE_P(Rows, EditCommands, testing::ValuesIn(kEditRows),
                         [](const testing::TestParamInfo<EditRow>& info) { return std::string(info.param.what); });

} // namespace
