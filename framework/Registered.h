// What every registered class shares: its class name, the record accessor, and the registration that
// runs once. A class derives from Registered<Self, Base, "Class.Name"> and lists its members, one line
// each, in a static describe(ClassBuilder&); nothing else. Its superclass is Base's record, or the root
// when Base is no registered class.
#pragma once

#include "ClassRecord.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

// A class name as a template argument.
template <std::size_t N>
struct ClassName {
    constexpr ClassName(const char (&text)[N]) { std::copy_n(text, N, chars); }
    constexpr std::string_view view() const { return std::string_view(chars, N - 1); }
    char chars[N]{};
};

// Whether the runtime makes objects of the class (RuntimeNewObject), or only of classes derived from it.
enum class MadeBy { Runtime, SubclassesOnly };

template <class Self, class Base, ClassName Name, MadeBy made = MadeBy::Runtime>
class Registered : public Base {
public:
    static constexpr std::string_view kClassName = Name.view();
    // How signature texts name the class: "Menü.Menü" is "Menü", "App" is "App".
    static constexpr std::string_view kDisplayName = kClassName.substr(kClassName.rfind('.') + 1);

    // Registers the class unless it is registered already; LookupClass<Self>() calls it on first use.
    static void ctblinit()
    {
        if (FindClass(kClassName))
            return;
        ClassBuilder builder(std::string(kClassName), superclass());
        Self::describe(builder);
        if constexpr (made == MadeBy::Runtime)
            builder.factory([] { return Ref<Object>(MakeRef<Self>()); });
        builder.registerClass();
    }
    const ClassRecord& classRecord() const override { return LookupClass<Self>(); }
    // A class with nothing of its own to register.
    static void describe(ClassBuilder&) {}

protected:
    using Base::Base;

private:
    static const ClassRecord* superclass()
    {
        if constexpr (requires { Base::kClassName; })
            return &LookupClass<Base>();
        else
            return &ObjectClassRecord();
    }
};

} // namespace fw
