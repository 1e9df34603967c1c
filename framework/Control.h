// The controls of a window. Each lives in exactly one window, which owns it and finds it by name; its
// events run the handlers bound to this one instance.
#pragma once

#include "ClassRecord.h"
#include "PropertyHolder.h"
#include "Registered.h"
#include "Value.h"

#include <map>
#include <span>
#include <string>
#include <string_view>

namespace fw {

class Window;
class Picture;

// A window method bound to a control's event (or to a menu item by name). It keeps no reference to
// its target: the window owns its controls, so it always outlives their delegates.
class Delegate : public Object {
public:
    Delegate(const MemberRecord& method, Object& target, std::string signatureText);
    const MemberRecord& method() const { return *method_; }
    Object& target() const { return *target_; }
    const std::string& signatureText() const { return signatureText_; }
    Value invoke(std::span<const Value> args = {}) const;

private:
    const MemberRecord* method_;
    Object* target_;
    std::string signatureText_;
};

// A delegate for the method, with the signature text its binding passes ("(  )", "( String ) as
// Boolean" ...); IllegalCastException when that text does not fit the method's signature.
Ref<Delegate> RuntimeCreateDelegate(const MemberRecord& method, Object& target, std::string_view signatureText);

class Control : public Registered<Control, PropertyHolder, "Control", MadeBy::SubclassesOnly> {
public:
    static void describe(ClassBuilder& builder);

    // The class's default constructor operation; the model needs nothing from it.
    virtual void Constructor() {}

    Window* window() const { return window_; }
    const std::string& name() const { return name_; }

    // Binds the delegate to this control's event; the event must be one of the class's and the
    // delegate's signature text the one that event passes.
    void installEventHandler(std::string_view event, Ref<Delegate> delegate);
    bool hasHandler(std::string_view event) const;
    // Runs the bound handler, if any, with the window as its receiver. Exceptions pass to the caller.
    Value raiseEvent(std::string_view event, std::span<const Value> args = {});
    // For Boolean events: True when a handler ran and returned True.
    bool raiseBooleanEvent(std::string_view event, std::span<const Value> args = {});

protected:
    explicit Control(Defaults classDefaults);

private:
    friend class Window;
    Window* window_ = nullptr;
    std::string name_;
    std::map<std::string, Ref<Delegate>, std::less<>> handlers_;
};

// The signature text that the event passes with its handler.
std::string_view EventSignatureText(std::string_view event);

class EditField : public Registered<EditField, Control, "EditField"> {
public:
    static void describe(ClassBuilder& builder);
    EditField();

    const std::string& text() const { return stringProperty(Prop::Text); }
    // Setting the text from code raises no TextChange; only the user's edits do.
    void setText(std::string text) { storeProperty(Prop::Text, std::move(text)); }
    // The user's edit as the backend saw it: stores the text without echoing it to the peer.
    void userChangedText(std::string text);
};

class StaticText : public Registered<StaticText, Control, "StaticText"> {
public:
    static void describe(ClassBuilder& builder);
    StaticText();

    const std::string& text() const { return stringProperty(Prop::Text); }
    void setText(std::string text) { storeProperty(Prop::Text, std::move(text)); }
};

class PushButton : public Registered<PushButton, Control, "PushButton"> {
public:
    static void describe(ClassBuilder& builder);
    PushButton();
};

// The radio buttons of a window form one group: selecting one deselects the others.
class RadioButton : public Registered<RadioButton, Control, "RadioButton"> {
public:
    static void describe(ClassBuilder& builder);
    RadioButton();

    bool value() const { return boolProperty(Prop::Value); }
    void setValue(bool selected);

protected:
    void propertyStored(Prop prop) override;
};

class LittleArrows : public Registered<LittleArrows, Control, "LittleArrows"> {
public:
    static void describe(ClassBuilder& builder);
    LittleArrows();
};

class Canvas : public Registered<Canvas, Control, "Canvas"> {
public:
    static void describe(ClassBuilder& builder);
    Canvas();
    ~Canvas() override;

    const Ref<Picture>& backdrop() const;
    void setBackdrop(Ref<Picture> picture);

private:
    Ref<Picture> backdrop_;
};

} // namespace fw
