// The program's one menu bar: Datei, Bearbeiten and Fenster. It is built on the first request and kept
// until shutdown; the application and every price calculator window show this same object.
#pragma once

#include "framework/Menu.h"

#include <string_view>

class Menue : public fw::MenuBar {
public:
    static constexpr std::string_view kClassName = "Menü.Menü";
    static constexpr std::string_view kDisplayName = "Menü";
    static void ctblinit();
    const fw::ClassRecord& classRecord() const override;

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
