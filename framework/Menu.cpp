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

void MenuItem::describe(ClassBuilder& builder)
{
    for (const std::string& operation : Operations())
        builder.slot(operation);
    // The no-argument constructor has a slot of its own after the framework's operations.
    builder.slot("Constructor");
    builder.events({"Action", "EnableMenu"});
}

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

void MenuBar::describe(ClassBuilder& builder) { builder.slot("_InstallClone"); }

} // namespace fw
