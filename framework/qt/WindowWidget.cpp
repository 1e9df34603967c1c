#include "WindowWidget.h"

#include "ControlWidgets.h"
#include "QtBackend.h"

#include "framework/Application.h"
#include "framework/Menu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <utility>
#include <vector>

namespace fw::qt {

namespace {

// "Cmd" is the platform's command key: Qt's Ctrl, which Qt itself shows as Command on macOS.
QKeySequence shortcutFor(const std::string& text)
{
    QString keys = ToQString(text);
    keys.replace("Cmd+", "Ctrl+");
    return QKeySequence(keys);
}

void addEntries(QMenu* menu, const MenuItem& parent, QtBackend& backend)
{
    for (const Ref<MenuItem>& item : parent.children()) {
        if (item->isSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(ToQString(item->text()));
        action->setObjectName(ToQString(item->name()));
        if (item->keyboardShortcut() && !item->keyboardShortcut()->empty())
            action->setShortcut(shortcutFor(*item->keyboardShortcut()));
        QObject::connect(action, &QAction::triggered, &backend, [item, &backend] {
            backend.dispatch([&] { ChooseMenuItem(*item); });
        });
    }
}

} // namespace

WindowWidget::WindowWidget(Window& model, QtBackend& backend)
    : model_(&model), backend_(backend), content_(new QWidget(this))
{
    setCentralWidget(content_);
    // The content has the layout's size; the window around it grows by the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    auto* defaultKey = new QShortcut(QKeySequence(Qt::Key_Return), this);
    auto* enterKey = new QShortcut(QKeySequence(Qt::Key_Enter), this);
    auto* cancelKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(defaultKey, &QShortcut::activated, this, [this] { pressButton(Prop::Default); });
    connect(enterKey, &QShortcut::activated, this, [this] { pressButton(Prop::Default); });
    connect(cancelKey, &QShortcut::activated, this, [this] { pressButton(Prop::Cancel); });
    backend_.windowWidgetCreated(this);
}

WindowWidget::~WindowWidget() { backend_.windowWidgetDestroyed(this); }

void WindowWidget::apply(Prop prop)
{
    if (!model_)
        return;
    switch (prop) {
    case Prop::Title:
        setWindowTitle(ToQString(model_->title()));
        break;
    case Prop::Width:
    case Prop::Height:
        content_->setFixedSize(model_->intProperty(Prop::Width), model_->intProperty(Prop::Height));
        break;
    case Prop::Resizeable:
    case Prop::CloseButton:
    case Prop::MinimizeButton:
    case Prop::MaximizeButton:
        applyFlags();
        break;
    case Prop::HasBackColor:
    case Prop::BackColor:
        if (model_->boolProperty(Prop::HasBackColor)) {
            Color c = model_->colorProperty(Prop::BackColor);
            QPalette colors = content_->palette();
            colors.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
            content_->setAutoFillBackground(true);
            content_->setPalette(colors);
        }
        break;
    case Prop::MenuBarVisible:
        menuBar()->setVisible(model_->boolProperty(Prop::MenuBarVisible));
        break;
    case Prop::Visible:
        if (constructed_)
            setVisible(model_->visible());
        if (constructed_ && model_->visible()) {
            // Shown again means on screen: a minimised window comes back, keeping its other state.
            if (isMinimized())
                setWindowState(windowState() & ~Qt::WindowMinimized);
            raise();
            activateWindow();
        }
        break;
    default:
        break;
    }
}

void WindowWidget::applyFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (model_->boolProperty(Prop::CloseButton))
        flags |= Qt::WindowCloseButtonHint;
    if (model_->boolProperty(Prop::MinimizeButton))
        flags |= Qt::WindowMinimizeButtonHint;
    if (model_->boolProperty(Prop::MaximizeButton) && model_->boolProperty(Prop::Resizeable))
        flags |= Qt::WindowMaximizeButtonHint;
    bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        show();
}

void WindowWidget::rebuildMenuBar()
{
    // Until the window is built, constructionFinished builds the bar once.
    if (!constructed_)
        return;
    QMenuBar* bar = menuBar();
    bar->clear();
    if (!model_)
        return;
    Ref<MenuBar> source = model_->menuBar();
    if (!source)
        if (Ref<Application> app = GetAppObject())
            source = app->menuBar();
    if (!source)
        return;
    for (const Ref<MenuItem>& menu : source->children()) {
        QMenu* shown = bar->addMenu(ToQString(menu->text()));
        shown->setObjectName(ToQString(menu->name()));
        addEntries(shown, *menu, backend_);
        connect(shown, &QMenu::aboutToHide, this, &WindowWidget::menuClosed, Qt::QueuedConnection);
    }
}

void WindowWidget::menuClosed()
{
    // A menu opened from the keyboard and closed with Escape would leave the keys with the menu bar,
    // unseen, and what the user types next would be lost. With no menu open any more (moving to the
    // next menu opens one before this runs), the keys go back to the control that holds the focus.
    if (QApplication::activePopupWidget() || !menuBar()->hasFocus() || !focusedControl_)
        return;
    focusedControl_->setFocus(Qt::PopupFocusReason);
}

void WindowWidget::constructionFinished()
{
    constructed_ = true;
    // Keyboard order follows TabIndex, which runs in creation order. The window's radio buttons are one
    // group and so one stop for Tab: they stand together at the place of the first of them, and Tab
    // lands on the selected one (the others give up their tab stop, RadioButtonWidget).
    std::vector<QWidget*> order;
    std::vector<QWidget*> radios;
    std::size_t radioPlace = 0;
    for (const Ref<Control>& control : model_->controls()) {
        QWidget* widget = QtBackend::widgetOf(*control);
        if (qobject_cast<RadioButtonWidget*>(widget)) {
            if (radios.empty())
                radioPlace = order.size();
            radios.push_back(widget);
        } else if (widget && widget->focusPolicy() != Qt::NoFocus) {
            order.push_back(widget);
        }
    }
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(radioPlace), radios.begin(), radios.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    rebuildMenuBar();
    apply(Prop::Visible);
}

void WindowWidget::pressButton(Prop role)
{
    if (!model_)
        return;
    for (const Ref<Control>& control : model_->controls()) {
        if (!control->hasProperty(role) || !control->boolProperty(role))
            continue;
        auto* button = qobject_cast<QPushButton*>(QtBackend::widgetOf(*control));
        if (button && button->isEnabled() && button->isVisible())
            button->click();
        return;
    }
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (Window* model = std::exchange(model_, nullptr)) {
        Ref<Window> keep = RefTo(*model);
        model->closedByUser();
    }
}

} // namespace fw::qt
