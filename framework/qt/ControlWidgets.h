// The widgets that show the model's controls. Each knows its model control (cleared when the model
// lets go of it) and shows one property at a time through apply().
#pragma once

#include "framework/Control.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <vector>

namespace fw::qt {

class QtBackend;

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual QWidget* widget() = 0;
    // Shows the model's current value of the property.
    virtual void apply(Prop prop) = 0;
    virtual void backdropChanged() {}

    Control* model = nullptr;
    QtBackend* backend = nullptr;

protected:
    // Geometry, visibility, enabling, name and font: what every control shares. True when it was one of
    // these.
    bool applyCommon(Prop prop);
    // Raises a model event through the backend's dispatch.
    void raiseModelEvent(std::string_view event, std::vector<Value> args = {});
    bool raiseModelBooleanEvent(std::string_view event, std::vector<Value> args = {});
};

class EditFieldWidget final : public QLineEdit, public ControlView {
    Q_OBJECT
public:
    explicit EditFieldWidget(QWidget* parent);
    QWidget* widget() override { return this; }
    void apply(Prop prop) override;
    // The field no longer holds the window's focus: the model's LostFocus.
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void userEdited(const QString& text);
    // A text wider than the field shows in a smaller size of the field's font rather than cut off.
    void fitTextToWidth();
    void measureLayoutFont();
    bool inKeyPress_ = false;
    QFont layoutFont_;
    QFontMetrics layoutMetrics_{QFont()};
    int textWidthAvailable_ = 0;
    int widestNumberCharacter_ = 0;
};

class StaticTextWidget final : public QLabel, public ControlView {
    Q_OBJECT
public:
    explicit StaticTextWidget(QWidget* parent);
    QWidget* widget() override { return this; }
    void apply(Prop prop) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class PushButtonWidget final : public QPushButton, public ControlView {
    Q_OBJECT
public:
    explicit PushButtonWidget(QWidget* parent);
    QWidget* widget() override { return this; }
    void apply(Prop prop) override;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class RadioButtonWidget final : public QRadioButton, public ControlView {
    Q_OBJECT
public:
    explicit RadioButtonWidget(QWidget* parent);
    QWidget* widget() override { return this; }
    void apply(Prop prop) override;

protected:
    void nextCheckState() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::vector<RadioButtonWidget*> group() const;
    void takeTabStop();
    void selectedByUser();
    void showValue(bool selected);
    bool showingModel_ = false;
    bool clickSelects_ = false;
};

// A small up/down arrow control: the upper half steps up, the lower half down.
class LittleArrowsWidget final : public QWidget, public ControlView {
    Q_OBJECT
public:
    explicit LittleArrowsWidget(QWidget* parent);
    QWidget* widget() override { return this; }
    void apply(Prop prop) override;
    QSize sizeHint() const override { return {13, 23}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Half { None, Up, Down };
    Half pressed_ = Half::None;
};

class CanvasWidget final : public QWidget, public ControlView {
    Q_OBJECT
public:
    explicit CanvasWidget(QWidget* parent);
    QWidget* widget() override { return this; }
    void apply(Prop prop) override;
    void backdropChanged() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap backdrop_;
};

// The model's font for a control: "System" is the desktop's user-interface font, size 0 its default.
QFont ControlFont(const Control& control, const QFont& base);
QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

} // namespace fw::qt
