// The widget that shows a model window: its title and fixed size, its menu bar above the content,
// the content area in which the controls sit at their layout's pixel positions, and the window's
// default and cancel buttons on Return and Escape.
#pragma once

#include "framework/Window.h"

#include <QMainWindow>
#include <QPointer>

namespace fw::qt {

class QtBackend;

class WindowWidget final : public QMainWindow {
    Q_OBJECT
public:
    WindowWidget(Window& model, QtBackend& backend);
    ~WindowWidget() override;

    QWidget* content() const { return content_; }
    Window* model() const { return model_; }
    void detachModel() { model_ = nullptr; }

    void apply(Prop prop);
    // Builds the menu bar from the window's own menu bar, or the application's when it has none.
    void rebuildMenuBar();
    void constructionFinished();

    // The control that holds the window's focus, as far as the model's focus events go: it keeps it
    // while the window is inactive, so that coming back to the window is no new GotFocus.
    QWidget* focusedControl() const { return focusedControl_; }
    void setFocusedControl(QWidget* control) { focusedControl_ = control; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyFlags();
    void menuClosed();
    void pressButton(Prop role);
    Window* model_;
    QtBackend& backend_;
    QWidget* content_;
    bool constructed_ = false;
    QPointer<QWidget> focusedControl_;
};

} // namespace fw::qt
