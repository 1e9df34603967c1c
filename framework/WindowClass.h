// The base of the program's window classes. A window class names its class, its window layout and its
// control table; the three window hooks build the window from them:
//   Layout           applies the window layout (a class may do more first, as a menu bar);
//   CreateControls   calls _CreateControls0, which creates the controls row by row;
//   AddMenuHandlers  checks that it is given a window of the class, and binds nothing.
// Its class record lists the hooks, then the control accessors and the bound handlers from the
// control table, then what the class's describeMembers adds.
#pragma once

#include "ControlTable.h"
#include "Registered.h"
#include "Window.h"

namespace fw {

template <class Self, ClassName Name>
class WindowClass : public Registered<Self, Window, Name> {
public:
    void Layout() override { SetProperties(*this, WindowLayout(Self::LayoutRow())); }
    void CreateControls() override { static_cast<Self&>(*this).CreateControls0(); }
    virtual void CreateControls0() { Self::Controls().createIn(*this); }
    void AddMenuHandlers(Window& window) override { RuntimeCheckCast(RefTo<Object>(window), LookupClass<Self>()); }

    static void describe(ClassBuilder& builder)
    {
        builder.method("Layout", "%%", &Self::Layout)
            .method("CreateControls", "%%", &Self::CreateControls)
            .method("_CreateControls0", "%%", &Self::CreateControls0);
        Self::Controls().addMembers(builder);
        Self::describeMembers(builder);
        builder.implementsEvent("Layout").implementsEvent("CreateControls").implementsEvent("AddMenuHandlers");
    }
};

} // namespace fw
