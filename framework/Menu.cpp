#include "Menu.h"

namespace fw {

const std::vector<std::string>& MenuItem::Operations()
{
    static const std::vector<std::string> operations{
        "Enable", "Close", "Item", "Count", "Child", "Append", "Insert", "Remove", "Remove", "Remove", "_Lookup",
        "_Lookup", "MenuItem", "Constructor", "PopUp", "PopUp", "_Swap", "_DisableEntirely", "_SelfEnable",
        "MenuItem"};
    return operations;
}

void MenuItem::ctblinit()
{
    ClassBuilder builder(std::string(kClassName), &ObjectClassRecord());
    for (const std::string& operation : Operations())
        builder.slot(operation);
    // The no-argument constructor has a slot of its own after the framework's operations.
    builder.slot("Constructor");
    builder.events({"Action", "EnableMenu"});
    builder.factory([] { return Ref<Object>(MakeRef<MenuItem>()); });
    builder.registerClass();
}
const ClassRecord& MenuItem::classRecord() const { return LookupClass<MenuItem>(); }

void MenuItem::Append(Ref<MenuItem> item)
{
    if (!item)
        return;
    children_.push_back(std::move(item));
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const
{
    for (const Ref<MenuItem>& child : children_)
        if (child->name() == name)
            return child;
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(std::string_view name) const
{
    for (const Ref<MenuItem>& child : children_) {
        if (child->name() == name)
            return child;
        if (Ref<MenuItem> found = child->Lookup(name))
            return found;
    }
    return nullptr;
}

void QuitMenuItem::ctblinit()
{
    ClassBuilder(std::string(kClassName), &LookupClass<MenuItem>())
        .factory([] { return Ref<Object>(MakeRef<QuitMenuItem>()); })
        .registerClass();
}
const ClassRecord& QuitMenuItem::classRecord() const { return LookupClass<QuitMenuItem>(); }

void MenuBar::ctblinit()
{
    ClassBuilder(std::string(kClassName), &LookupClass<MenuItem>())
        .slot("_InstallClone")
        .factory([] { return Ref<Object>(MakeRef<MenuBar>()); })
        .registerClass();
}
const ClassRecord& MenuBar::classRecord() const { return LookupClass<MenuBar>(); }

} // namespace fw
