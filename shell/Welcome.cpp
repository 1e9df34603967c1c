#include "Welcome.h"

#include "VelnoraLogo.h"

#include "framework/ControlBlueprint.h"
#include "resources/Layouts.h"

using namespace fw;

void Welcome::ctblinit()
{
    if (FindClass(kClassName))
        return;
    ClassBuilder b(std::string(kClassName), &LookupClass<Window>());
    b.method("Layout", "%%", &Welcome::Layout)
        .method("CreateControls", "%%", &Welcome::CreateControls)
        .method("_CreateControls0", "%%", &Welcome::CreateControls0);
    for (const ControlBlueprint& row : layouts::WelcomeControls())
        b.rawMember(ControlAccessor(row.name, row.controlClass()));
    b.method("AddMenuHandlers", "%%o<Window>", &Welcome::AddMenuHandlers)
        .implementsEvent("Layout")
        .implementsEvent("CreateControls")
        .implementsEvent("AddMenuHandlers")
        .factory([] { return Ref<Object>(MakeRef<Welcome>()); })
        .registerClass();
}

const ClassRecord& Welcome::classRecord() const { return LookupClass<Welcome>(); }

void Welcome::Layout() { SetProperties(*this, layouts::WelcomeWindow()); }
void Welcome::CreateControls() { CreateControls0(); }

void Welcome::CreateControls0()
{
    // The logo is no layout value: the canvas gets it after it is added and before its layout.
    auto setLogo = [](Window& window, const ControlBlueprint& row) {
        if (row.name != "Canvas1")
            return;
        Ref<Canvas> canvas = ControlNamed<Canvas>(window, row.name);
        canvas->setBackdrop(VelnoraLogo::Get());
    };
    CreateControlsFrom(*this, layouts::WelcomeControls(), {}, setLogo);
}

void Welcome::AddMenuHandlers(Window& window)
{
    RuntimeCheckCast(RefTo<Object>(window), LookupClass<Welcome>());
}
