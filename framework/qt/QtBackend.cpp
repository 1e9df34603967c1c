#include "QtBackend.h"

#include "ControlWidgets.h"
#include "WindowWidget.h"

#include "framework/Window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>

#include <algorithm>

namespace fw::qt {

namespace {

// The model owns its peer; the peer owns nothing but a guarded pointer, since Qt may already have
// deleted the widget with its window. When the model lets go, the widget forgets the model and goes.
class WindowPeer final : public Peer {
public:
    explicit WindowPeer(WindowWidget* widget) : widget_(widget) {}
    ~WindowPeer() override
    {
        if (!widget_)
            return;
        widget_->detachModel();
        widget_->hide();
        widget_->deleteLater();
    }
    void propertyChanged(Prop prop) override
    {
        if (widget_)
            widget_->apply(prop);
    }
    void menuBarChanged() override
    {
        if (widget_)
            widget_->rebuildMenuBar();
    }
    void constructionFinished() override
    {
        if (widget_)
            widget_->constructionFinished();
    }
    void close() override
    {
        if (!widget_)
            return;
        widget_->detachModel();
        widget_->hide();
    }
    WindowWidget* widget() const { return widget_; }

private:
    QPointer<WindowWidget> widget_;
};

class ControlPeer final : public Peer {
public:
    ControlPeer(ControlView* view) : view_(view), widget_(view->widget()) {}
    ~ControlPeer() override
    {
        if (!widget_)
            return;
        view_->model = nullptr;
        widget_->hide();
        widget_->deleteLater();
    }
    void propertyChanged(Prop prop) override
    {
        if (widget_ && view_->model)
            view_->apply(prop);
    }
    void backdropChanged() override
    {
        if (widget_ && view_->model)
            view_->backdropChanged();
    }
    QWidget* widget() const { return widget_; }

private:
    ControlView* view_;
    QPointer<QWidget> widget_;
};

ControlView* makeView(const Control& control, QWidget* parent)
{
    const ClassRecord& record = control.classRecord();
    if (record.isKindOf(LookupClass<EditField>()))
        return new EditFieldWidget(parent);
    if (record.isKindOf(LookupClass<StaticText>()))
        return new StaticTextWidget(parent);
    if (record.isKindOf(LookupClass<PushButton>()))
        return new PushButtonWidget(parent);
    if (record.isKindOf(LookupClass<RadioButton>()))
        return new RadioButtonWidget(parent);
    if (record.isKindOf(LookupClass<LittleArrows>()))
        return new LittleArrowsWidget(parent);
    return new CanvasWidget(parent);
}

class QtResourceFork final : public ResourceFork {
public:
    Ref<Picture> GetPicture(int id) override
    {
        QFile file(QStringLiteral(":/pictures/%1.png").arg(id));
        if (!file.open(QIODevice::ReadOnly))
            return nullptr;
        QByteArray bytes = file.readAll();
        return MakeRef<Picture>(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
};

// The properties a control's widget shows, each applied once when the widget is made.
constexpr Prop kShownControlProps[] = {
    Prop::Name, Prop::Left, Prop::Top, Prop::Width, Prop::Height, Prop::Visible, Prop::Enabled, Prop::TextFont,
    Prop::Text, Prop::Caption, Prop::Alignment, Prop::TextAlign, Prop::Border, Prop::ReadOnly, Prop::Password,
    Prop::LimitText, Prop::TextColor, Prop::Multiline, Prop::Default, Prop::Value};

} // namespace

QtBackend::QtBackend() = default;

QtBackend::~QtBackend()
{
    // The widgets of released windows wait for the event loop to delete them; it has ended, so they go
    // now, while Qt still stands.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<Peer> QtBackend::createWindowPeer(Window& window)
{
    auto* widget = new WindowWidget(window, *this);
    for (Prop prop : {Prop::Title, Prop::Width, Prop::Resizeable, Prop::HasBackColor, Prop::MenuBarVisible})
        widget->apply(prop);
    return std::make_unique<WindowPeer>(widget);
}

std::unique_ptr<Peer> QtBackend::createControlPeer(Control& control, Window& window)
{
    auto* windowPeer = dynamic_cast<WindowPeer*>(window.peer());
    if (!windowPeer || !windowPeer->widget())
        return nullptr;
    ControlView* view = makeView(control, windowPeer->widget()->content());
    view->model = &control;
    view->backend = this;
    for (Prop prop : kShownControlProps)
        if (control.hasProperty(prop))
            view->apply(prop);
    return std::make_unique<ControlPeer>(view);
}

QWidget* QtBackend::widgetOf(const Window& window)
{
    auto* peer = dynamic_cast<WindowPeer*>(window.peer());
    return peer ? peer->widget() : nullptr;
}

QWidget* QtBackend::widgetOf(const Control& control)
{
    auto* peer = dynamic_cast<ControlPeer*>(control.peer());
    return peer ? peer->widget() : nullptr;
}

void QtBackend::windowWidgetCreated(WindowWidget* widget) { windows_.push_back(widget); }

void QtBackend::windowWidgetDestroyed(WindowWidget* widget)
{
    windows_.erase(std::remove(windows_.begin(), windows_.end(), widget), windows_.end());
}

void QtBackend::applicationMenuBarChanged()
{
    for (WindowWidget* window : windows_)
        window->rebuildMenuBar();
}

void QtBackend::runEventLoop()
{
    if (!pending_) {
        handlersStopped_ = false;
        loopRunning_ = true;
        QApplication::exec();
        loopRunning_ = false;
    }
    if (std::exception_ptr failure = std::exchange(pending_, nullptr))
        std::rethrow_exception(failure);
}

// Qt remembers an exit() asked for while no event loop runs, and then ends the next loop at once: the
// next message box would close before anyone saw it. A quit before the loop needs no exit(): the
// runtime does not start the loop after one.
void QtBackend::quit()
{
    if (loopRunning_)
        QCoreApplication::exit(0);
}

void QtBackend::showURL(const std::string& url)
{
    const QString address = ToQString(url);
    if (QDesktopServices::openUrl(QUrl(address)))
        return;
    // Without a mail program or browser set up the click would otherwise do nothing at all.
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Tarivo"),
                         QStringLiteral("Die Adresse „%1“ konnte nicht geöffnet werden.\n\n"
                                        "Bitte prüfen Sie, ob ein E-Mail-Programm und ein Webbrowser "
                                        "eingerichtet sind.")
                             .arg(address));
}

void QtBackend::editCommand(EditCommand command)
{
    // The field with the keyboard focus, or, while the menu bar holds the keys, the one that holds the
    // window's focus.
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (auto* window = qobject_cast<WindowWidget*>(QApplication::activeWindow()); !field && window)
        field = qobject_cast<QLineEdit*>(window->focusedControl());
    if (!field)
        return;
    switch (command) {
    case EditCommand::Undo:
        field->undo();
        break;
    case EditCommand::Cut:
        field->cut();
        break;
    case EditCommand::Copy:
        field->copy();
        break;
    case EditCommand::Paste:
        field->paste();
        break;
    case EditCommand::Clear:
        field->del();
        break;
    }
}

void QtBackend::reportUnhandledException(const std::string& message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Tarivo"),
                          QStringLiteral("Ein unerwarteter Fehler ist aufgetreten; das Programm wird beendet.\n\n") +
                              ToQString(message));
}

void QtBackend::dispatch(const std::function<void()>& raise)
{
    // After a handler's exception the program is on its way out: none of its code runs any more, not
    // even the rest of the user's action that raised it (the TextChange of a key whose KeyDown failed).
    if (handlersStopped_)
        return;
    try {
        raise();
    } catch (...) {
        pending_ = std::current_exception();
        handlersStopped_ = true;
        if (loopRunning_)
            QCoreApplication::exit(1);
    }
}

std::exception_ptr QtBackend::takePendingException()
{
    handlersStopped_ = false;
    return std::exchange(pending_, nullptr);
}

namespace {
QtMessageHandler previousMessageHandler = nullptr;
}

void QuietOffscreenPlatformNotes()
{
    previousMessageHandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.startsWith(QLatin1String("This plugin does not support")))
                return;
            if (previousMessageHandler)
                previousMessageHandler(type, context, message);
        });
}

Ref<ResourceFork> ApplicationResources() { return MakeRef<QtResourceFork>(); }

} // namespace fw::qt
