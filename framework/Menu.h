// Menus: a menu bar holds its menus, each menu its items, in the order they were appended. Items are
// found by their Name; choosing one goes to the application (Application::HandleMenuCommand).
#pragma once

#include "ClassRecord.h"
#include "Object.h"
#include "Registered.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class MenuItem : public Registered<MenuItem, Object, "MenuItem"> {
public:
    static void describe(ClassBuilder& builder);
    static const std::vector<std::string>& Operations();

    // The default constructor operation: leaves an empty item that belongs to no menu yet.
    virtual void Constructor() {}

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    // The caption: '&' marks the access letter, "-" makes the item a separator line.
    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    bool isSeparator() const { return text_ == "-"; }
    // The shortcut text ("Cmd+Q"); nothing when it was never set, the empty text for none.
    const std::optional<std::string>& keyboardShortcut() const { return shortcut_; }
    void setKeyboardShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
    bool autoEnable() const { return autoEnable_; }
    void setAutoEnable(bool enable) { autoEnable_ = enable; }

    void Append(Ref<MenuItem> item);
    const std::vector<Ref<MenuItem>>& children() const { return children_; }
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(std::string_view name) const;
    // The item of that name anywhere below this one, or nil.
    Ref<MenuItem> Lookup(std::string_view name) const;

    virtual bool isQuitItem() const { return false; }

private:
    std::string name_, text_;
    std::optional<std::string> shortcut_;
    bool autoEnable_ = false;
    std::vector<Ref<MenuItem>> children_;
};

class QuitMenuItem : public Registered<QuitMenuItem, MenuItem, "QuitMenuItem"> {
public:
    bool isQuitItem() const override { return true; }
};

class MenuBar : public Registered<MenuBar, MenuItem, "MenuBar"> {
public:
    static void describe(ClassBuilder& builder);
};

} // namespace fw
