#include "GuiTestSupport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace guitest {

namespace {
fw::qt::QtBackend* current = nullptr;
}

void SetBackend(fw::qt::QtBackend* backend) { current = backend; }
fw::qt::QtBackend& Backend() { return *current; }

QWidget* WidgetOf(const fw::Window& window) { return fw::qt::QtBackend::widgetOf(window); }

QWidget* WidgetOf(const fw::Window& window, const std::string& controlName)
{
    fw::Ref<fw::Control> control = fw::RuntimeWindowControlByName(window, controlName);
    EXPECT_TRUE(control) << "no control " << controlName;
    return control ? fw::qt::QtBackend::widgetOf(*control) : nullptr;
}

void ShowAndActivate(const fw::Window& window)
{
    QWidget* widget = WidgetOf(window);
    widget->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(widget));
    widget->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(widget));
}

void Focus(const fw::Window& window, const std::string& controlName)
{
    QWidget* widget = WidgetOf(window, controlName);
    widget->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

void Type(const fw::Window& window, const std::string& controlName, const QString& text)
{
    QWidget* widget = WidgetOf(window, controlName);
    for (QChar ch : text) {
        if (ch.unicode() < 0x80 && ch.isPrint())
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void CloseWindows(fw::Ref<fw::Window> window)
{
    EXPECT_FALSE(Backend().takePendingException());
    if (window)
        window->Close();
    window.reset();
    fw::ReleaseLiveWindows();
    QApplication::processEvents();
}

QString SavePicture(const fw::Window& window, const QString& fileName)
{
    QWidget* widget = WidgetOf(window);
    QApplication::processEvents();
    QString path = QDir::current().absoluteFilePath(fileName);
    widget->grab().save(path);
    return path;
}

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler("mailto", this, "open");
    QDesktopServices::setUrlHandler("http", this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("http");
}

void UrlCatcher::open(const QUrl& url) { urls << url.toString(); }

MessageBoxCloser::MessageBoxCloser()
{
    // A modal box runs its own event loop, in which this timer goes on firing.
    poll_.callOnTimeout([this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    poll_.start(5);
}

} // namespace guitest
