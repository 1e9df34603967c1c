// The program's one menu bar: Datei, Bearbeiten and Fenster. It is built on the first request and kept
// until shutdown; the application and every price calculator window show this same object. This layer
// uses the framework only; the windows and the shell above it use the bar.
#pragma once

#include "framework/Menu.h"
#include "framework/Registered.h"

class Menue : public fw::Registered<Menue, fw::MenuBar, "Menü.Menü"> {
public:
    static void describe(fw::ClassBuilder& builder);

    // The menu bar, built now if there is none yet. A build that fails keeps nothing, so the next
    // request builds again. The bar is made from barClass: Menue's own record, or in a test the record
    // of a class derived from Menue.
    static fw::Ref<Menue> Instance(const fw::ClassRecord& barClass = fw::LookupClass<Menue>());
    // Releases the kept menu bar (shutdown).
    static void ReleaseInstance();
    static bool HasInstance();

    void Constructor() override;
    virtual void Untitled1();
    virtual void Untitled2();
    virtual void Untitled3();
};
