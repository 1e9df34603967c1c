// Class records: what the framework knows of each class by name.
//
// A record holds the class name, the superclass, the class table (the names of the virtual operations
// in slot order, inherited first; the operations themselves are C++ virtual functions), the member
// table (name, kind, signature text and an invoker that calls the member by name), the event table with
// the events the class implements, and the property table. Records are registered once per process,
// on first use or eagerly at start-up, and never change afterwards.
//
// Signature texts: "%" result "%" arguments, with b Boolean, i4 Int32, f8 Double, s String and
// o<Class> an object; "%b%i4i4" takes two Int32 and gives a Boolean.
#pragma once

#include "Exceptions.h"
#include "Object.h"
#include "Value.h"

#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

using Invoker = std::function<Value(Object& self, std::span<const Value> args)>;

struct MemberRecord {
    std::string name;
    int kind = 1;
    std::string signature;
    Invoker invoke;
};

struct PropertyRecord {
    std::string name;
    int kind = 5;
    std::string typeCode;
    std::function<Value(const Object&)> get;
    std::function<void(Object&, const Value&)> set;
};

class ClassRecord {
public:
    ClassRecord(std::string name, const ClassRecord* superclass);

    const std::string& name() const { return name_; }
    const ClassRecord* superclass() const { return superclass_; }
    bool isKindOf(const ClassRecord& other) const;

    // Slot names, inherited first. An override keeps its inherited slot.
    const std::vector<std::string>& classTable() const { return classTable_; }
    // Inherited members first, then the class's own.
    std::vector<const MemberRecord*> members() const;
    const std::vector<MemberRecord>& ownMembers() const { return ownMembers_; }
    const MemberRecord* findMember(std::string_view name) const;
    // Calls a member by name; IllegalCastException when the object is not of this class.
    Value invoke(Object& self, std::string_view member, std::span<const Value> args = {}) const;

    // The event table: every event of the class and, in order, the ones it implements.
    const std::vector<std::string>& events() const { return events_; }
    const std::vector<std::string>& implementedEvents() const { return implementedEvents_; }
    bool hasEvent(std::string_view event) const;

    std::vector<const PropertyRecord*> properties() const;
    const std::vector<PropertyRecord>& ownProperties() const { return ownProperties_; }

    // Makes a new object of the class without running a constructor; empty for abstract classes.
    const std::function<Ref<Object>()>& factory() const { return factory_; }

private:
    friend class ClassBuilder;
    std::string name_;
    const ClassRecord* superclass_;
    std::vector<std::string> classTable_;
    std::vector<MemberRecord> ownMembers_;
    std::vector<std::string> events_;
    std::vector<std::string> implementedEvents_;
    std::vector<PropertyRecord> ownProperties_;
    std::function<Ref<Object>()> factory_;
};

// The root of every class.
const ClassRecord& ObjectClassRecord();

// The registered record of that name, or null.
const ClassRecord* FindClass(std::string_view name);
// Every registered record, in registration order.
std::vector<const ClassRecord*> RegisteredClasses();

// Checked cast: passes nil and objects of the class; anything else raises IllegalCastException.
Ref<Object> RuntimeCheckCast(const Ref<Object>& object, const ClassRecord& record);

// A new object of the class, no constructor run; nil for a class that cannot be made.
Ref<Object> RuntimeNewObject(const ClassRecord& record);

// A new object of the class, no constructor run, as the C++ type T; NilObjectException naming the class
// when the class makes no object, or one that is no T.
template <class T>
Ref<T> RuntimeNewObjectAs(const ClassRecord& record)
{
    Ref<Object> made = RuntimeNewObject(record);
    auto* object = dynamic_cast<T*>(made.get());
    if (!object)
        throw NilObjectException("no " + std::string(T::kDisplayName) + " of class " + record.name() +
                                 " could be made");
    return Ref<T>(object);
}

// Signature letters of the member function's C++ types, so that registrations can be checked.
template <class T> struct SignatureCode;
template <> struct SignatureCode<void> { static std::string text() { return ""; } };
template <> struct SignatureCode<bool> { static std::string text() { return "b"; } };
template <> struct SignatureCode<std::int32_t> { static std::string text() { return "i4"; } };
template <> struct SignatureCode<double> { static std::string text() { return "f8"; } };
template <> struct SignatureCode<std::string> { static std::string text() { return "s"; } };
template <class T> struct SignatureCode<Ref<T>> {
    static std::string text() { return "o<" + std::string(T::kDisplayName) + ">"; }
};
template <class T> struct SignatureCode<T&> {
    static std::string text() { return "o<" + std::string(T::kDisplayName) + ">"; }
};

// The signature text of a member function that gives R and takes A...: "%b%i4i4" for bool(Int32, Int32).
template <class R, class... A>
std::string SignatureOf()
{
    return "%" + SignatureCode<R>::text() + "%" + (std::string() + ... + SignatureCode<A>::text());
}

namespace detail {

template <class T> struct ArgFromValue {
    static T get(const Value& v)
    {
        if (const T* p = std::get_if<T>(&v))
            return *p;
        throw IllegalCastException("argument of the wrong type");
    }
};
template <class T> struct ArgFromValue<T&> {
    static T& get(const Value& v)
    {
        const Ref<Object>* p = std::get_if<Ref<Object>>(&v);
        T* object = p && *p ? dynamic_cast<T*>(p->get()) : nullptr;
        if (!object)
            throw IllegalCastException("argument is not a " + std::string(T::kDisplayName));
        return *object;
    }
};

template <class R> Value ToValue(R&& r)
{
    if constexpr (std::is_same_v<std::decay_t<R>, Value>)
        return std::forward<R>(r);
    else if constexpr (requires { r.get(); })
        return Value(Ref<Object>(r.get()));
    else
        return Value(std::forward<R>(r));
}

std::string DescribeMismatch(const std::string& member, const std::string& given, const std::string& derived);

} // namespace detail

// Builds and registers one class record; one line per member, in the order the class declares them.
class ClassBuilder {
public:
    ClassBuilder(std::string name, const ClassRecord* superclass);

    // A new operation with a class-table slot and a member record.
    template <class C, class R, class... A>
    ClassBuilder& method(std::string name, std::string signature, R (C::*fn)(A...))
    {
        return slot(name).member(std::move(name), std::move(signature), fn);
    }
    // A member record without a slot (control accessors, and methods whose slot is inherited).
    template <class C, class R, class... A>
    ClassBuilder& member(std::string name, std::string signature, R (C::*fn)(A...))
    {
        std::string derived = SignatureOf<R, A...>();
        if (derived != signature)
            throw std::logic_error(detail::DescribeMismatch(name, signature, derived));
        Invoker invoke = [fn, name](Object& self, std::span<const Value> args) -> Value {
            C* object = dynamic_cast<C*>(&self);
            if (!object)
                throw IllegalCastException(name + " called on an object of another class");
            if (args.size() != sizeof...(A))
                throw IllegalCastException(name + " called with the wrong number of arguments");
            return call(*object, fn, args, std::index_sequence_for<A...>{});
        };
        return rawMember(MemberRecord{std::move(name), 1, std::move(signature), std::move(invoke)});
    }
    ClassBuilder& rawMember(MemberRecord record);
    ClassBuilder& slot(std::string name);
    // The class's own implementation of an inherited operation; it keeps the inherited slot.
    ClassBuilder& override(std::string name);
    ClassBuilder& events(std::vector<std::string> names);
    ClassBuilder& implementsEvent(std::string name);
    ClassBuilder& property(PropertyRecord record);
    ClassBuilder& factory(std::function<Ref<Object>()> make);

    // Registers the record; a second registration of the same name keeps the first record.
    const ClassRecord& registerClass();

private:
    template <class C, class F, std::size_t... I>
    static Value call(C& object, F fn, std::span<const Value> args, std::index_sequence<I...>)
    {
        using Traits = FnTraits<F>;
        if constexpr (std::is_void_v<typename Traits::Result>) {
            (object.*fn)(detail::ArgFromValue<typename Traits::template Arg<I>>::get(args[I])...);
            return Value();
        } else {
            return detail::ToValue((object.*fn)(detail::ArgFromValue<typename Traits::template Arg<I>>::get(args[I])...));
        }
    }
    template <class F> struct FnTraits;
    template <class C, class R, class... A> struct FnTraits<R (C::*)(A...)> {
        using Result = R;
        template <std::size_t I> using Arg = std::tuple_element_t<I, std::tuple<A...>>;
    };

    std::unique_ptr<ClassRecord> record_;
};

// The class's record (its __Lookup): registered first, through the class's ctblinit (Registered.h), when
// there is none yet. A registration that leaves no record of the class's name raises NilObjectException
// naming the class.
template <class C>
const ClassRecord& LookupClass()
{
    if (const ClassRecord* record = FindClass(C::kClassName))
        return *record;
    C::ctblinit();
    const ClassRecord* record = FindClass(C::kClassName);
    if (!record)
        throw NilObjectException("the class " + std::string(C::kClassName) +
                                 " has no class record after its registration");
    return *record;
}

} // namespace fw
