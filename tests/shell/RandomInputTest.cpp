// A seeded storm of user input on every window of the program: random texts typed or pasted into
// random fields, focus changes, arrows, radio buttons, buttons, the Fenster commands, windows closed
// and opened again. Nothing may crash, trip a sanitizer, or let an exception out of a handler.
//
// TARIVO_RANDOM_EVENTS sets the number of events (default 10000), TARIVO_RANDOM_SEED the seed.
#include "GuiTestSupport.h"

#include "calculator/Hauptfenster.h"
#include "framework/Application.h"
#include "shell/Startup.h"
#include "vat/UST.h"
#include "about/Welcome.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>

namespace {

long environmentNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

class RandomInput {
public:
    explicit RandomInput(unsigned seed) : random_(seed) {}

    struct Counts {
        long keys = 0, pastes = 0, clicks = 0, menuChoices = 0, closes = 0, opens = 0;
    } counts;

    void step()
    {
        std::vector<fw::Ref<fw::Window>> windows = fw::LiveWindows();
        if (windows.empty() || chance(0.01)) {
            openWindow();
            return;
        }
        fw::Ref<fw::Window> window = windows[pick(windows.size())];
        const auto& controls = window->controls();
        if (controls.empty())
            return;
        fw::Ref<fw::Control> control = controls[pick(controls.size())];
        QWidget* widget = fw::qt::QtBackend::widgetOf(*control);
        if (!widget)
            return;
        switch (pick(10)) {
        case 0:
        case 1:
        case 2:
            if (auto* field = qobject_cast<QLineEdit*>(widget))
                typeInto(field);
            break;
        case 3:
            if (auto* field = qobject_cast<QLineEdit*>(widget))
                pasteInto(field);
            break;
        case 4:
            widget->setFocus(Qt::TabFocusReason);
            break;
        case 5:
            ++counts.clicks;
            if (widget->isVisible() && widget->isEnabled())
                QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(pick(widget->width()), pick(widget->height())));
            break;
        case 6:
            if (QWidget* focused = QApplication::focusWidget())
                QTest::keyClick(focused, chance(0.5) ? Qt::Key_Tab : Qt::Key_Return);
            break;
        case 7:
            chooseMenuItem(*window);
            break;
        case 8:
            if (chance(0.05)) {
                ++counts.closes;
                fw::qt::QtBackend::widgetOf(*window)->close();
            }
            break;
        default:
            if (auto* field = qobject_cast<QLineEdit*>(widget))
                QTest::keyClick(field, Qt::Key_Backspace);
            break;
        }
        if (chance(0.02))
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    std::size_t pick(std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    int pick(int n) { return static_cast<int>(pick(static_cast<std::size_t>(std::max(n, 1)))); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    QString randomText(int maxLength)
    {
        static const QStringList pieces = {"0", "1", "2", "5", "9", ",", ".", "-", "+", "e", "E", "a", "x", "ä", "ö",
                                           "ü", "ß", "€", "%", " ", "💊", "\u00a0", "1e400", "NaN", "∞", "12,50 €"};
        QString text;
        int length = pick(maxLength + 1);
        while (text.size() < length)
            text += pieces[pick(static_cast<std::size_t>(pieces.size()))];
        return text;
    }

    void typeInto(QLineEdit* field)
    {
        field->setFocus(Qt::MouseFocusReason);
        if (chance(0.5))
            field->selectAll();
        QString text = randomText(12);
        counts.keys += text.size();
        for (QChar ch : text) {
            if (ch.unicode() < 0x80 && ch.isPrint())
                QTest::keyClick(field, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    void pasteInto(QLineEdit* field)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QString text = chance(0.1) ? QString(pick(10000) + 1, QChar('0' + pick(10))) : randomText(200);
        QApplication::clipboard()->setText(text);
        ++counts.pastes;
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    void chooseMenuItem(const fw::Window& window)
    {
        static const char* const items[] = {"FensterTarivo", "Fenster16", "FensterberTarivo", "EditUndo",
                                            "EditCut",       "EditCopy",  "EditPaste",        "EditClear"};
        QWidget* widget = fw::qt::QtBackend::widgetOf(window);
        if (QAction* action = widget->findChild<QAction*>(items[pick(std::size(items))])) {
            ++counts.menuChoices;
            action->trigger();
        }
    }

    void openWindow()
    {
        ++counts.opens;
        switch (pick(3)) {
        case 0:
            fw::SharedWindow<Hauptfenster>();
            break;
        case 1:
            fw::SharedWindow<UST>();
            break;
        default:
            fw::SharedWindow<Welcome>();
            break;
        }
    }

    std::mt19937 random_;
};

TEST(RandomInput, NoEventCrashesOrLetsAnExceptionOut)
{
    const long events = environmentNumber("TARIVO_RANDOM_EVENTS", 10000);
    const auto seed = static_cast<unsigned>(environmentNumber("TARIVO_RANDOM_SEED", 20261207));
    startup::NewAppInstance();
    startup::ApplicationAddMenuHandlers();
    guitest::UrlCatcher links; // a click on a link opens nothing, and no message box waits for a click
    RandomInput input(seed);
    for (long event = 0; event < events; ++event) {
        input.step();
        std::exception_ptr escaped = guitest::Backend().takePendingException();
        ASSERT_FALSE(escaped) << "event " << event << " (seed " << seed << "): " << fw::DescribeException(escaped);
    }
    const auto& c = input.counts;
    std::cout << "random input: " << c.keys << " keys, " << c.pastes << " pastes, " << c.clicks << " clicks, "
              << c.menuChoices << " menu choices, " << c.closes << " closes, " << c.opens << " opens\n";
    fw::ReleaseLiveWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fw::RuntimeRegisterAppObject(nullptr);
}

} // namespace
