#include "ControlWidgets.h"

#include "QtBackend.h"
#include "WindowWidget.h"

#include "framework/Resources.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionFrame>

#include <algorithm>
#include <utility>

namespace fw::qt {

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string ToStdString(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QFont ControlFont(const Control& control, const QFont& base)
{
    QFont font = base;
    if (control.hasProperty(Prop::TextFont)) {
        const std::string& family = control.stringProperty(Prop::TextFont);
        if (!family.empty() && family != "System")
            font.setFamily(ToQString(family));
        else
            font.setStretch(QFont::SemiCondensed);
    }
    // Layouts give sizes for a screen of 72 dots per inch, where a point is a pixel; the controls'
    // pixel geometry is laid out for exactly those sizes.
    if (control.hasProperty(Prop::TextSize) && control.intProperty(Prop::TextSize) > 0)
        font.setPixelSize(control.intProperty(Prop::TextSize));
    if (control.hasProperty(Prop::Bold))
        font.setBold(control.boolProperty(Prop::Bold));
    if (control.hasProperty(Prop::Italic))
        font.setItalic(control.boolProperty(Prop::Italic));
    if (control.hasProperty(Prop::Underline))
        font.setUnderline(control.boolProperty(Prop::Underline));
    return font;
}

namespace {

// Alignment 0 is the default (left), 1 left, 2 centre, 3 right.
Qt::Alignment horizontalAlignment(std::int32_t alignment)
{
    switch (alignment) {
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QColor toQColor(Color color) { return QColor(color.red, color.green, color.blue); }

// Keys that reach KeyDown besides those that type a character, as the characters they stand for.
QString keyText(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left:
        return QString(QChar(28));
    case Qt::Key_Right:
        return QString(QChar(29));
    case Qt::Key_Up:
        return QString(QChar(30));
    case Qt::Key_Down:
        return QString(QChar(31));
    case Qt::Key_Delete:
        return QString(QChar(127));
    case Qt::Key_Backspace:
        return QString(QChar(8));
    default:
        return event.text();
    }
}

// What MouseDown passes: the click's x and y within the control.
std::vector<Value> clickPosition(const QMouseEvent& event)
{
    const QPoint at = event.position().toPoint();
    return {Value(static_cast<std::int32_t>(at.x())), Value(static_cast<std::int32_t>(at.y()))};
}

const QString kNumberCharacters = QStringLiteral("0123456789.,-+%€ ");

// Focus that goes to another window, into an open menu or into the menu bar (a click on a menu title,
// Escape out of a menu, Alt alone) comes back to the control: for the model the control keeps it.
bool focusStaysInWindow(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

// Alt with a letter or digit is a command for the menus (an access key), never a character to type.
// AltGr is no Alt: X11 reports it as the group switch, some systems as Alt with Ctrl, and its
// characters ("€", "@", "{") are typed. On macOS Option types characters, so there Alt is left alone.
bool isAltCommand(const QKeyEvent& event)
{
#ifdef Q_OS_MACOS
    Q_UNUSED(event);
    return false;
#else
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & Qt::AltModifier) || (modifiers & (Qt::GroupSwitchModifier | Qt::ControlModifier)))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.isLetterOrNumber(); });
#endif
}

// A control takes the window's focus. A field whose focus went only to the menu bar still holds it for
// the model, and loses it now, before the new control gets it.
void takeWindowFocus(QWidget* control, EditFieldWidget* field)
{
    auto* window = qobject_cast<WindowWidget*>(control->window());
    if (!window)
        return;
    QPointer<QWidget> previous = window->focusedControl();
    window->setFocusedControl(field);
    if (auto* held = qobject_cast<EditFieldWidget*>(previous.data()); held && held != field)
        held->focusLeft();
}

} // namespace

bool ControlView::applyCommon(Prop prop)
{
    QWidget* w = widget();
    switch (prop) {
    case Prop::Left:
    case Prop::Top:
    case Prop::Width:
    case Prop::Height:
        w->setGeometry(model->intProperty(Prop::Left), model->intProperty(Prop::Top), model->intProperty(Prop::Width),
                       model->intProperty(Prop::Height));
        return true;
    case Prop::Visible:
        w->setVisible(model->boolProperty(Prop::Visible));
        return true;
    case Prop::Enabled:
        w->setEnabled(model->boolProperty(Prop::Enabled));
        return true;
    case Prop::Name:
        w->setObjectName(ToQString(model->name()));
        return true;
    case Prop::TextFont:
    case Prop::TextSize:
    case Prop::Bold:
    case Prop::Italic:
    case Prop::Underline:
        w->setFont(ControlFont(*model, QApplication::font()));
        return true;
    default:
        return false;
    }
}

void ControlView::raiseModelEvent(std::string_view event, std::vector<Value> args)
{
    if (!model || !backend)
        return;
    Ref<Control> keep = RefTo(*model);
    backend->dispatch([&] { keep->raiseEvent(event, args); });
}

bool ControlView::raiseModelBooleanEvent(std::string_view event, std::vector<Value> args)
{
    if (!model || !backend)
        return false;
    Ref<Control> keep = RefTo(*model);
    bool result = false;
    backend->dispatch([&] { result = keep->raiseBooleanEvent(event, args); });
    return result;
}

// Edit fields --------------------------------------------------------------------------------------

EditFieldWidget::EditFieldWidget(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!inKeyPress_)
            userEdited(text);
    });
}

void EditFieldWidget::apply(Prop prop)
{
    if (applyCommon(prop)) {
        measureLayoutFont();
        fitTextToWidth();
        return;
    }
    auto& field = static_cast<EditField&>(*model);
    switch (prop) {
    case Prop::Text: {
        QString text = ToQString(field.text());
        if (text != this->text())
            setText(text);
        fitTextToWidth();
        break;
    }
    case Prop::Alignment:
        setAlignment(horizontalAlignment(field.intProperty(Prop::Alignment)) | Qt::AlignVCenter);
        break;
    case Prop::Border:
        setFrame(field.boolProperty(Prop::Border));
        break;
    case Prop::ReadOnly:
        setReadOnly(field.boolProperty(Prop::ReadOnly));
        break;
    case Prop::Password:
        setEchoMode(field.boolProperty(Prop::Password) ? QLineEdit::Password : QLineEdit::Normal);
        break;
    case Prop::LimitText: {
        std::int32_t limit = field.intProperty(Prop::LimitText);
        setMaxLength(limit > 0 ? limit : 32767);
        break;
    }
    case Prop::TextColor:
    case Prop::BackColor: {
        QPalette colors = palette();
        colors.setColor(QPalette::Text, toQColor(field.colorProperty(Prop::TextColor)));
        colors.setColor(QPalette::Base, toQColor(field.colorProperty(Prop::BackColor)));
        setPalette(colors);
        break;
    }
    default:
        break;
    }
}

void EditFieldWidget::measureLayoutFont()
{
    if (!model)
        return;
    layoutFont_ = ControlFont(*model, QApplication::font());
    layoutMetrics_ = QFontMetrics(layoutFont_);
    widestNumberCharacter_ = 0;
    for (QChar ch : kNumberCharacters)
        widestNumberCharacter_ = std::max(widestNumberCharacter_, layoutMetrics_.horizontalAdvance(ch));
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int margin = 4; // the line edit's own inner margins
    textWidthAvailable_ = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - margin;
}

void EditFieldWidget::fitTextToWidth()
{
    if (!model || layoutFont_.pixelSize() <= 0)
        return;
    const QString shown = text();
    // Numbers short enough to fit even in their widest characters need no measuring.
    const bool surelyFits =
        shown.size() * widestNumberCharacter_ <= textWidthAvailable_ &&
        std::all_of(shown.begin(), shown.end(), [](QChar ch) { return kNumberCharacters.contains(ch); });
    const int needed = surelyFits ? 0 : layoutMetrics_.horizontalAdvance(shown);
    int size = layoutFont_.pixelSize();
    if (needed > textWidthAvailable_ && textWidthAvailable_ > 0) {
        // Never below half the layout's size: past that a scrolled text reads better than a tiny one.
        size = std::max(size * textWidthAvailable_ / needed, size / 2);
    }
    if (size != font().pixelSize()) {
        QFont fitted = layoutFont_;
        fitted.setPixelSize(size);
        setFont(fitted);
    }
}

void EditFieldWidget::userEdited(const QString& text)
{
    fitTextToWidth();
    if (!model)
        return;
    static_cast<EditField&>(*model).userChangedText(ToStdString(text));
    raiseModelEvent("TextChange");
}

void EditFieldWidget::keyPressEvent(QKeyEvent* event)
{
    if (isAltCommand(*event)) {
        event->ignore();
        return;
    }
    QString key = keyText(*event);
    if (!model || key.isEmpty() || !model->hasHandler("KeyDown")) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler sees the text with the key applied; if it rejects the key, text and cursor go back.
    const QString before = text();
    const int cursor = cursorPosition();
    inKeyPress_ = true;
    QLineEdit::keyPressEvent(event);
    inKeyPress_ = false;
    const QString after = text();
    fitTextToWidth();
    auto& field = static_cast<EditField&>(*model);
    if (after != before)
        field.userChangedText(ToStdString(after));
    Ref<Control> keep = RefTo(*model);
    if (raiseModelBooleanEvent("KeyDown", {Value(ToStdString(key))})) {
        setText(before);
        setCursorPosition(cursor);
        if (model)
            field.userChangedText(ToStdString(before));
        return;
    }
    if (after != before && model)
        raiseModelEvent("TextChange");
}

void EditFieldWidget::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Back from another window, a menu or the menu bar, the field still holds the model's focus.
    auto* window = qobject_cast<WindowWidget*>(this->window());
    if (window && window->focusedControl() == this)
        return;
    takeWindowFocus(this, this);
    raiseModelEvent("GotFocus");
}

void EditFieldWidget::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::MenuBarFocusReason) {
        // A menu opened from the keyboard (Alt+B) takes the focus this way; the line edit would drop
        // its selection, and the edit commands chosen from that menu would find nothing to work on.
        // It keeps it, as it does for a menu opened with the mouse.
        QFocusEvent asPopup(QEvent::FocusOut, Qt::PopupFocusReason);
        QLineEdit::focusOutEvent(&asPopup);
    } else {
        QLineEdit::focusOutEvent(event);
    }
    if (focusStaysInWindow(event->reason()))
        return;
    auto* window = qobject_cast<WindowWidget*>(this->window());
    if (!window || window->focusedControl() != this)
        return;
    window->setFocusedControl(nullptr);
    focusLeft();
}

void EditFieldWidget::focusLeft() { raiseModelEvent("LostFocus"); }

// Labels -------------------------------------------------------------------------------------------

StaticTextWidget::StaticTextWidget(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StaticTextWidget::apply(Prop prop)
{
    if (applyCommon(prop))
        return;
    auto& label = static_cast<StaticText&>(*model);
    switch (prop) {
    case Prop::Text: {
        // Lines are separated by carriage returns.
        QString text = ToQString(label.text());
        text.replace(QChar('\r'), QChar('\n'));
        setText(text);
        break;
    }
    case Prop::Multiline:
        setWordWrap(label.boolProperty(Prop::Multiline));
        break;
    case Prop::TextAlign:
        setAlignment(horizontalAlignment(label.intProperty(Prop::TextAlign)) | Qt::AlignTop);
        break;
    case Prop::TextColor: {
        QPalette colors = palette();
        colors.setColor(QPalette::WindowText, toQColor(label.colorProperty(Prop::TextColor)));
        setPalette(colors);
        break;
    }
    default:
        break;
    }
}

void StaticTextWidget::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    raiseModelBooleanEvent("MouseDown", clickPosition(*event));
}

// Push buttons -------------------------------------------------------------------------------------

PushButtonWidget::PushButtonWidget(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
    // A click leaves the focus where it is, so that a click on "Berechne" is no leaving of the field
    // the user typed in: one Action, as with Return. Tab still reaches the button.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, this, [this] { raiseModelEvent("Action"); });
}

void PushButtonWidget::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    if (!focusStaysInWindow(event->reason()))
        takeWindowFocus(this, nullptr);
}

void PushButtonWidget::apply(Prop prop)
{
    if (applyCommon(prop))
        return;
    if (prop == Prop::Caption)
        setText(ToQString(model->stringProperty(Prop::Caption)));
    else if (prop == Prop::Default)
        setDefault(model->boolProperty(Prop::Default));
}

// Radio buttons ------------------------------------------------------------------------------------

// The radio buttons of a window share its content widget, so Qt's auto-exclusivity makes them one
// group, as the model's are: a screen reader sees radio buttons, the arrow keys move between them, and
// the selected one cannot be turned off. Whatever selects a button (mouse, Space, arrow key, an
// accessibility action) ends in toggled, which tells the model and raises the Action once.
RadioButtonWidget::RadioButtonWidget(QWidget* parent) : QRadioButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!checked)
            return;
        takeTabStop();
        if (!showingModel_)
            selectedByUser();
    });
    connect(this, &QAbstractButton::clicked, this, [this] {
        // A click on the button already selected selects nothing new; it is still the button's Action.
        if (!std::exchange(clickSelects_, false))
            raiseModelEvent("Action");
    });
}

void RadioButtonWidget::apply(Prop prop)
{
    if (applyCommon(prop))
        return;
    if (prop == Prop::Caption)
        setText(ToQString(model->stringProperty(Prop::Caption)));
    else if (prop == Prop::Value)
        showValue(model->boolProperty(Prop::Value));
}

void RadioButtonWidget::nextCheckState()
{
    // A click selects; it never deselects, not even a radio button alone in its window.
    clickSelects_ = !isChecked();
    setChecked(true);
}

void RadioButtonWidget::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    if (!focusStaysInWindow(event->reason()))
        takeWindowFocus(this, nullptr);
}

void RadioButtonWidget::focusOutEvent(QFocusEvent* event)
{
    QRadioButton::focusOutEvent(event);
    // Qt hands the group's tab stop to the button that had the focus; it goes back to the selected one.
    for (RadioButtonWidget* button : group())
        if (button->isChecked())
            button->takeTabStop();
}

std::vector<RadioButtonWidget*> RadioButtonWidget::group() const
{
    std::vector<RadioButtonWidget*> buttons;
    if (parentWidget())
        for (auto* button : parentWidget()->findChildren<RadioButtonWidget*>(Qt::FindDirectChildrenOnly))
            buttons.push_back(button);
    return buttons;
}

void RadioButtonWidget::takeTabStop()
{
    // Tab into the group lands on the selected button, so that Space there changes nothing the user did
    // not mean to; the arrow keys still move between all of them.
    for (RadioButtonWidget* button : group())
        button->setFocusPolicy(button == this ? Qt::TabFocus : Qt::NoFocus);
}

void RadioButtonWidget::selectedByUser()
{
    if (!model)
        return;
    static_cast<RadioButton&>(*model).setValue(true);
    raiseModelEvent("Action");
}

void RadioButtonWidget::showValue(bool selected)
{
    if (selected == isChecked())
        return;
    showingModel_ = true;
    if (selected) {
        setChecked(true);
    } else {
        // Qt keeps one button of a group checked; the model may select none.
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
    }
    showingModel_ = false;
}

// Little arrows ------------------------------------------------------------------------------------

LittleArrowsWidget::LittleArrowsWidget(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void LittleArrowsWidget::apply(Prop prop)
{
    applyCommon(prop);
    if (prop == Prop::Enabled)
        update();
}

void LittleArrowsWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int middle = height() / 2;
    const QRect halves[] = {QRect(0, 0, width(), middle), QRect(0, middle, width(), height() - middle)};
    const QStyle::PrimitiveElement arrows[] = {QStyle::PE_IndicatorArrowUp, QStyle::PE_IndicatorArrowDown};
    const Half which[] = {Half::Up, Half::Down};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |= pressed_ == which[i] ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(2, 2, -2, -2);
        style()->drawPrimitive(arrows[i], &arrow, &painter, this);
    }
}

void LittleArrowsWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = event->position().y() < height() / 2.0 ? Half::Up : Half::Down;
    update();
    raiseModelEvent(pressed_ == Half::Up ? "Up" : "Down");
}

void LittleArrowsWidget::mouseReleaseEvent(QMouseEvent*)
{
    pressed_ = Half::None;
    update();
}

// Canvas -------------------------------------------------------------------------------------------

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {}

void CanvasWidget::apply(Prop prop) { applyCommon(prop); }

void CanvasWidget::backdropChanged()
{
    backdrop_ = QPixmap();
    if (const Ref<Picture>& picture = static_cast<Canvas&>(*model).backdrop()) {
        const std::string& bytes = picture->bytes();
        backdrop_.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()));
    }
    update();
}

void CanvasWidget::paintEvent(QPaintEvent*)
{
    if (backdrop_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, backdrop_);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    raiseModelBooleanEvent("MouseDown", clickPosition(*event));
}

} // namespace fw::qt
