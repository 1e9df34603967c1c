#include "Menue.h"

#include "framework/Exceptions.h"

#include <optional>

using namespace fw;

namespace {

Ref<Menue>& implicitInstance()
{
    static Ref<Menue> instance;
    return instance;
}

// One entry of a menu. A shortcut of nullopt means no shortcut call at all (the separators).
struct Entry {
    const ClassRecord& (*itemClass)();
    const char* name;
    const char* text;
    std::optional<const char*> shortcut;
};

constexpr std::optional<const char*> kNoShortcutCall = std::nullopt;

Ref<MenuItem> makeItem(const Entry& entry)
{
    Ref<MenuItem> item = RuntimeNewObjectAs<MenuItem>(entry.itemClass());
    item->Constructor();
    item->setName(entry.name);
    item->setAutoEnable(true);
    item->setText(entry.text);
    if (entry.shortcut)
        item->setKeyboardShortcut(*entry.shortcut);
    return item;
}

// The first entry is the menu, appended to the bar; the others go into that menu, found anew by name
// for each entry.
void buildMenu(MenuBar& bar, std::initializer_list<Entry> entries)
{
    const Entry& menu = *entries.begin();
    bar.Append(makeItem(menu));
    for (auto entry = entries.begin() + 1; entry != entries.end(); ++entry) {
        Ref<MenuItem> item = makeItem(*entry);
        Ref<MenuItem> parent = bar.Child(menu.name);
        if (!parent)
            RaiseNilObjectException(std::string("the menu bar has no menu ") + menu.name);
        parent->Append(item);
    }
}

const ClassRecord& itemClass() { return LookupClass<MenuItem>(); }
const ClassRecord& quitItemClass() { return LookupClass<QuitMenuItem>(); }

} // namespace

void Menue::describe(ClassBuilder& b)
{
    b.override("Constructor")
        .method("Untitled1", "%%", &Menue::Untitled1)
        .method("Untitled2", "%%", &Menue::Untitled2)
        .method("Untitled3", "%%", &Menue::Untitled3)
        .member("Constructor", "%%", &Menue::Constructor);
}

Ref<Menue> Menue::Instance(const ClassRecord& barClass)
{
    Ref<Menue>& kept = implicitInstance();
    if (!kept) {
        Ref<Menue> bar = RuntimeNewObjectAs<Menue>(barClass);
        bar->Constructor();
        kept = bar;
    }
    return kept;
}

void Menue::ReleaseInstance() { implicitInstance().reset(); }
bool Menue::HasInstance() { return static_cast<bool>(implicitInstance()); }

void Menue::Constructor()
{
    Untitled1();
    Untitled2();
    Untitled3();
}

void Menue::Untitled1()
{
    buildMenu(*this, {
                         {itemClass, "DateiMenu", "&Datei", ""},
                         {quitItemClass, "FileQuit", "Beenden", "Cmd+Q"},
                     });
}

void Menue::Untitled2()
{
    buildMenu(*this, {
                         {itemClass, "BearbeitenMenu", "&Bearbeiten", ""},
                         {itemClass, "EditUndo", "Undo", "Cmd+Z"},
                         {itemClass, "UntitledMenu0", "-", kNoShortcutCall},
                         {itemClass, "EditCut", "Ausschneiden", "Cmd+X"},
                         {itemClass, "EditCopy", "Kopieren", "Cmd+C"},
                         {itemClass, "EditPaste", "Einfügen", "Cmd+V"},
                         {itemClass, "EditClear", "Löschen", ""},
                     });
}

void Menue::Untitled3()
{
    buildMenu(*this, {
                         {itemClass, "FensterMenu", "Fenster", ""},
                         {itemClass, "FensterTarivo", "Tarivo", ""},
                         {itemClass, "Fenster16", "16% auf 19%", ""},
                         {itemClass, "UntitledItem", "-", kNoShortcutCall},
                         {itemClass, "FensterberTarivo", "Über Tarivo", ""},
                     });
}
