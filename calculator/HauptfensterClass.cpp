// The price calculator's class record, its window hooks and its menu-item accessors.
#include "Hauptfenster.h"

#include "resources/Layouts.h"
#include "shell/Menue.h"

using namespace fw;

namespace {

// The controls with an accessor member each, in creation order, by class.
void addControlAccessors(ClassBuilder& builder)
{
    for (const ControlBlueprint& row : layouts::HauptfensterControls())
        builder.rawMember(ControlAccessor(row.name, row.controlClass()));
}

} // namespace

void Hauptfenster::ctblinit()
{
    if (FindClass(kClassName))
        return;
    using H = Hauptfenster;
    ClassBuilder b(std::string(kClassName), &LookupClass<Window>());
    b.method("Layout", "%%", &H::Layout)
        .method("CreateControls", "%%", &H::CreateControls)
        .method("_CreateControls0", "%%", &H::CreateControls0);
    addControlAccessors(b);
    b.method("AufschlagField_LostFocus", "%%", &H::AufschlagField_LostFocus)
        .method("AVKField_TextChange", "%%", &H::AVKField_TextChange)
        .method("OKButton_Action", "%%", &H::OKButton_Action)
        .method("PushButton2_Action", "%%", &H::PushButton2_Action)
        .method("CancalButton_Action", "%%", &H::CancalButton_Action)
        .method("AnzahlField_LostFocus", "%%", &H::AnzahlField_LostFocus)
        .method("radioUst16_Action", "%%", &H::radioUst16_Action)
        .method("radioUst7_Action", "%%", &H::radioUst7_Action)
        .method("AnderungField_LostFocus", "%%", &H::AnderungField_LostFocus)
        .method("StaticText5_MouseDown", "%b%i4i4", &H::StaticText5_MouseDown)
        .method("StaticText6_MouseDown", "%b%i4i4", &H::StaticText6_MouseDown)
        .method("GHRabattField_TextChange", "%%", &H::GHRabattField_TextChange)
        .method("HerstellerField_KeyDown", "%b%s", &H::HerstellerField_KeyDown)
        .method("avklittle_Up", "%%", &H::avklittle_Up)
        .method("avklittle_Down", "%%", &H::avklittle_Down)
        .method("Aufschlaglittle_Up", "%%", &H::Aufschlaglittle_Up)
        .method("Aufschlaglittle_Down", "%%", &H::Aufschlaglittle_Down)
        .method("AnzahlLittle_Up", "%%", &H::AnzahlLittle_Up)
        .method("AnzahlLittle_Down", "%%", &H::AnzahlLittle_Down)
        .method("GHLittle_Up", "%%", &H::GHLittle_Up)
        .method("GHLittle_Down", "%%", &H::GHLittle_Down)
        .method("HerstellerLittle_Up", "%%", &H::HerstellerLittle_Up)
        .method("HerstellerLittle_Down", "%%", &H::HerstellerLittle_Down)
        .method("radioUst19_Action", "%%", &H::radioUst19_Action)
        .method("FensterMenu", "%o<MenuItem>%", &H::FensterMenu)
        .method("FensterberTarivo", "%o<MenuItem>%", &H::FensterberTarivo)
        .method("UntitledItem", "%o<MenuItem>%", &H::UntitledItem)
        .method("Fenster16", "%o<MenuItem>%", &H::Fenster16)
        .method("FensterTarivo", "%o<MenuItem>%", &H::FensterTarivo)
        .method("BearbeitenMenu", "%o<MenuItem>%", &H::BearbeitenMenu)
        .method("EditClear", "%o<MenuItem>%", &H::EditClear)
        .method("EditPaste", "%o<MenuItem>%", &H::EditPaste)
        .method("EditCopy", "%o<MenuItem>%", &H::EditCopy)
        .method("EditCut", "%o<MenuItem>%", &H::EditCut)
        .method("UntitledMenu0", "%o<MenuItem>%", &H::UntitledMenu0)
        .method("EditUndo", "%o<MenuItem>%", &H::EditUndo)
        .method("DateiMenu", "%o<MenuItem>%", &H::DateiMenu)
        .method("FileQuit", "%o<QuitMenuItem>%", &H::FileQuit)
        .method("UntitledMenu1", "%o<MenuItem>%", &H::UntitledMenu1)
        .method("AddMenuHandlers", "%%o<Window>", &H::AddMenuHandlers)
        .method("calculateOTC", "%b%f8f8f8i4f8f8", &H::calculateOTC)
        .method("calcSpanne", "%f8%f8f8", &H::calcSpanne)
        .method("calcAll", "%%", &H::calcAll)
        .method("getAEK2003", "%f8%f8", &H::getAEK2003)
        .implementsEvent("Layout")
        .implementsEvent("CreateControls")
        .implementsEvent("AddMenuHandlers")
        .factory([] { return Ref<Object>(MakeRef<Hauptfenster>()); })
        .registerClass();
}

const ClassRecord& Hauptfenster::classRecord() const { return LookupClass<Hauptfenster>(); }

void Hauptfenster::Layout()
{
    // The menu bar comes first, so the window has it when its layout makes it visible.
    setMenuBar(Menue::Instance());
    SetProperties(*this, layouts::HauptfensterWindow());
}

void Hauptfenster::CreateControls() { CreateControls0(); }

void Hauptfenster::AddMenuHandlers(Window& window)
{
    // The window binds no menu handler of its own; the Fenster commands belong to the application.
    RuntimeCheckCast(RefTo<Object>(window), LookupClass<Hauptfenster>());
}

Ref<MenuItem> Hauptfenster::menuItemNamed(std::string_view name)
{
    Ref<MenuBar> bar = menuBar();
    if (!bar)
        RaiseNilObjectException("the price calculator has no menu bar");
    return bar->Lookup(name);
}

Ref<MenuItem> Hauptfenster::FensterMenu() { return menuItemNamed("FensterMenu"); }
Ref<MenuItem> Hauptfenster::FensterberTarivo() { return menuItemNamed("FensterberTarivo"); }
Ref<MenuItem> Hauptfenster::UntitledItem() { return menuItemNamed("UntitledItem"); }
Ref<MenuItem> Hauptfenster::Fenster16() { return menuItemNamed("Fenster16"); }
Ref<MenuItem> Hauptfenster::FensterTarivo() { return menuItemNamed("FensterTarivo"); }
Ref<MenuItem> Hauptfenster::BearbeitenMenu() { return menuItemNamed("BearbeitenMenu"); }
Ref<MenuItem> Hauptfenster::EditClear() { return menuItemNamed("EditClear"); }
Ref<MenuItem> Hauptfenster::EditPaste() { return menuItemNamed("EditPaste"); }
Ref<MenuItem> Hauptfenster::EditCopy() { return menuItemNamed("EditCopy"); }
Ref<MenuItem> Hauptfenster::EditCut() { return menuItemNamed("EditCut"); }
Ref<MenuItem> Hauptfenster::UntitledMenu0() { return menuItemNamed("UntitledMenu0"); }
Ref<MenuItem> Hauptfenster::EditUndo() { return menuItemNamed("EditUndo"); }
Ref<MenuItem> Hauptfenster::DateiMenu() { return menuItemNamed("DateiMenu"); }
Ref<MenuItem> Hauptfenster::UntitledMenu1() { return menuItemNamed("UntitledMenu1"); }

Ref<QuitMenuItem> Hauptfenster::FileQuit()
{
    Ref<Object> item = RuntimeCheckCast(menuItemNamed("FileQuit"), LookupClass<QuitMenuItem>());
    return Ref<QuitMenuItem>(static_cast<QuitMenuItem*>(item.get()));
}
