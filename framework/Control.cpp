#include "Control.h"

#include "Resources.h"
#include "Window.h"

namespace fw {

namespace {

// What each binding passes with its handler, and the member signature that text stands for.
struct DelegateShape {
    std::string_view signatureText;
    std::string_view memberSignature;
};
constexpr DelegateShape kDelegateShapes[] = {
    {"(  )", "%%"},
    {"( Int32, Int32 ) as Boolean", "%b%i4i4"},
    {"( String ) as Boolean", "%b%s"},
    {"(  ) as Boolean", "%b%"},
};

} // namespace

Delegate::Delegate(const MemberRecord& method, Object& target, std::string signatureText)
    : method_(&method), target_(&target), signatureText_(std::move(signatureText))
{
}

Value Delegate::invoke(std::span<const Value> args) const
{
    Ref<Object> keepAlive = RefTo(*target_);
    return method_->invoke(*target_, args);
}

Ref<Delegate> RuntimeCreateDelegate(const MemberRecord& method, Object& target, std::string_view signatureText)
{
    for (const DelegateShape& shape : kDelegateShapes)
        if (shape.signatureText == signatureText) {
            if (shape.memberSignature != method.signature)
                throw IllegalCastException("handler " + method.name + " (" + method.signature +
                                           ") cannot be bound as \"" + std::string(signatureText) + "\"");
            return MakeRef<Delegate>(method, target, std::string(signatureText));
        }
    throw IllegalCastException("unknown handler signature \"" + std::string(signatureText) + "\"");
}

std::string_view EventSignatureText(std::string_view event)
{
    if (event == "MouseDown")
        return kDelegateShapes[1].signatureText;
    if (event == "KeyDown")
        return kDelegateShapes[2].signatureText;
    return kDelegateShapes[0].signatureText;
}

Control::Control(Defaults classDefaults) : Registered(classDefaults)
{
    static constexpr std::int32_t kSingleControl = INT32_MIN;
    for (auto [prop, value] : std::initializer_list<std::pair<Prop, PropValue>>{
             {Prop::Name, std::string()}, {Prop::Index, kSingleControl}, {Prop::Left, 0}, {Prop::Top, 0},
             {Prop::Width, 0}, {Prop::Height, 0}, {Prop::LockLeft, false}, {Prop::LockTop, false},
             {Prop::LockRight, false}, {Prop::LockBottom, false}, {Prop::TabPanelIndex, 0}, {Prop::TabIndex, 0},
             {Prop::Visible, true}, {Prop::Enabled, true}, {Prop::HelpTag, std::string()},
             {Prop::AutoDeactivate, true}, {Prop::InitialParent, std::string()}})
        if (!hasProperty(prop))
            storeProperty(prop, value);
}

void Control::installEventHandler(std::string_view event, Ref<Delegate> delegate)
{
    if (!delegate)
        RaiseNilObjectException("no handler to bind to " + std::string(event));
    if (!classRecord().hasEvent(event))
        throw IllegalCastException(classRecord().name() + " has no event " + std::string(event));
    if (delegate->signatureText() != EventSignatureText(event))
        throw IllegalCastException("event " + std::string(event) + " passes \"" +
                                   std::string(EventSignatureText(event)) + "\", not \"" +
                                   delegate->signatureText() + "\"");
    handlers_.insert_or_assign(std::string(event), std::move(delegate));
}

bool Control::hasHandler(std::string_view event) const { return handlers_.find(event) != handlers_.end(); }

Value Control::raiseEvent(std::string_view event, std::span<const Value> args)
{
    auto found = handlers_.find(event);
    if (found == handlers_.end())
        return Value();
    Ref<Delegate> delegate = found->second;
    Ref<Window> self = RuntimeSwapSelfAndMe(*this);
    return delegate->invoke(args);
}

bool Control::raiseBooleanEvent(std::string_view event, std::span<const Value> args)
{
    Value result = raiseEvent(event, args);
    const bool* b = std::get_if<bool>(&result);
    return b && *b;
}

Ref<Window> RuntimeSwapSelfAndMe(const Control& me)
{
    if (!me.window())
        RaiseNilObjectException("control " + me.name() + " belongs to no window");
    return RefTo(*me.window());
}

// Registration of the control classes: each with the events its instances raise.
void Control::describe(ClassBuilder& builder) { builder.slot("Constructor"); }

void EditField::describe(ClassBuilder& builder) { builder.events({"TextChange", "KeyDown", "LostFocus", "GotFocus"}); }
EditField::EditField()
    : Registered({{Prop::Border, true}, {Prop::Multiline, false}, {Prop::ScrollbarHorizontal, false},
               {Prop::ScrollbarVertical, true}, {Prop::Styled, false}, {Prop::Password, false},
               {Prop::UseFocusRing, true}, {Prop::TextColor, Color{0, 0, 0}}, {Prop::BackColor, Color{255, 255, 255}},
               {Prop::Format, std::string()}, {Prop::TextFont, std::string("System")}, {Prop::TextSize, 0},
               {Prop::Bold, false}, {Prop::Italic, false}, {Prop::Underline, false}, {Prop::Text, std::string()},
               {Prop::Mask, std::string()}, {Prop::ReadOnly, false}, {Prop::LimitText, 0},
               {Prop::AcceptTabs, false}, {Prop::Alignment, 0}, {Prop::DataSource, std::string()},
               {Prop::DataField, std::string()}})
{
}

void EditField::userChangedText(std::string text)
{
    // The widget already shows the text, so the peer need not hear of it.
    storePropertyQuietly(Prop::Text, std::move(text));
}

void StaticText::describe(ClassBuilder& builder) { builder.events({"MouseDown"}); }
StaticText::StaticText()
    : Registered({{Prop::Text, std::string()}, {Prop::TextAlign, 0}, {Prop::TextColor, Color{0, 0, 0}},
               {Prop::Multiline, false}, {Prop::TextFont, std::string("System")}, {Prop::TextSize, 0},
               {Prop::Bold, false}, {Prop::Italic, false}, {Prop::Underline, false},
               {Prop::DataSource, std::string()}, {Prop::DataField, std::string()}})
{
}

void PushButton::describe(ClassBuilder& builder) { builder.events({"Action"}); }
PushButton::PushButton()
    : Registered({{Prop::Caption, std::string()}, {Prop::Default, false}, {Prop::Cancel, false},
               {Prop::TextFont, std::string("System")}, {Prop::TextSize, 0}, {Prop::Bold, false},
               {Prop::Italic, false}, {Prop::Underline, false}})
{
}

void RadioButton::describe(ClassBuilder& builder) { builder.events({"Action"}); }
RadioButton::RadioButton()
    : Registered({{Prop::Caption, std::string()}, {Prop::TextFont, std::string("System")}, {Prop::TextSize, 0},
               {Prop::Bold, false}, {Prop::Italic, false}, {Prop::Underline, false}, {Prop::Value, false}})
{
}

void RadioButton::setValue(bool selected) { storeProperty(Prop::Value, selected); }

void RadioButton::propertyStored(Prop prop)
{
    if (prop != Prop::Value || !value() || !window())
        return;
    for (const Ref<Control>& control : window()->controls())
        if (auto* other = dynamic_cast<RadioButton*>(control.get()); other && other != this && other->value())
            other->setValue(false);
}

void LittleArrows::describe(ClassBuilder& builder) { builder.events({"Up", "Down"}); }
LittleArrows::LittleArrows() : Registered(Defaults{}) {}

void Canvas::describe(ClassBuilder& builder) { builder.events({"MouseDown"}); }
Canvas::Canvas()
    : Registered({{Prop::UseFocusRing, true}, {Prop::AcceptFocus, false}, {Prop::AcceptTabs, false},
               {Prop::EraseBackground, true}})
{
}
Canvas::~Canvas() = default;

const Ref<Picture>& Canvas::backdrop() const { return backdrop_; }
void Canvas::setBackdrop(Ref<Picture> picture)
{
    backdrop_ = std::move(picture);
    if (peer())
        peer()->backdropChanged();
}

} // namespace fw
