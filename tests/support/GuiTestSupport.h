// Helpers for tests that drive the real widgets: finding a control's widget, showing a window so that
// it takes focus and keys, typing (also characters Qt Test cannot type), and saving pictures.
#pragma once

#include "framework/Window.h"
#include "framework/qt/QtBackend.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <iosfwd>
#include <string>

// Test failures show a QString as its text. Declared here so that every test file prints it the same.
void PrintTo(const QString& text, std::ostream* out);

namespace guitest {

void SetBackend(fw::qt::QtBackend* backend);
fw::qt::QtBackend& Backend();

QWidget* WidgetOf(const fw::Window& window);
// The widget of the window's control of that name; fails the test when there is none.
QWidget* WidgetOf(const fw::Window& window, const std::string& controlName);
template <class W>
W* WidgetAs(const fw::Window& window, const std::string& controlName)
{
    return qobject_cast<W*>(WidgetOf(window, controlName));
}

// Shows the window, waits until it is exposed and active.
void ShowAndActivate(const fw::Window& window);
// Gives the control the keyboard focus as a user's click or Tab would.
void Focus(const fw::Window& window, const std::string& controlName);
// Types the text key by key into the focused control of the window's control.
void Type(const fw::Window& window, const std::string& controlName, const QString& text);
// Ends a test's window: no exception may be left over from its handlers; the window and every other
// live window close.
void CloseWindows(fw::Ref<fw::Window> window);
template <class W>
void CloseWindow(fw::Ref<W>& window)
{
    CloseWindows(std::move(window));
    window.reset();
}
// Saves a picture of the window into the build folder; returns the file's path.
QString SavePicture(const fw::Window& window, const QString& fileName);

// While it lives, the mailto and http addresses the program hands to the system come here instead of
// being opened.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;
    QStringList urls;
public slots:
    void open(const QUrl& url);
};

// While it lives, every message box that comes up is closed at once and its text kept, so that a test
// sees what the user would read without anyone clicking it away.
class MessageBoxCloser {
public:
    MessageBoxCloser();
    QStringList texts;

private:
    QTimer poll_;
};

} // namespace guitest
