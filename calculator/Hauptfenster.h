// The price calculator window, whole: its class, its control rows and event bindings
// (Hauptfenster.cpp), its handlers (HauptfensterHandlers.cpp) and its pricing model (PricingModel.cpp,
// PriceBands.cpp). This layer uses the framework and the menu bar (menubar/), nothing else; the shell
// above it opens the window.
//
// The window keeps no data of its own. Every value lives as the text of one of its controls, and every
// computation reads the texts again by control name: calcAll reads the inputs, calculateOTC works out
// prices, VAT, margin and gross profit and writes them back formatted, getAEK2003 turns a net selling
// price back into a purchase price by price bands. The same class runs on the plain window model in
// tests and on real widgets in the program. Its shared instance is fw::SharedWindow<Hauptfenster>().
#pragma once

#include "framework/ControlTable.h"
#include "framework/Menu.h"
#include "framework/WindowClass.h"

#include <cstdint>
#include <string>
#include <string_view>

struct VatRate;

class Hauptfenster : public fw::WindowClass<Hauptfenster, "Hauptfenster.Hauptfenster"> {
public:
    static const fw::WindowRow& LayoutRow();
    static const fw::ControlTable& Controls();
    static void describeMembers(fw::ClassBuilder& builder);

    // The menu bar first, so that the window has it when its layout makes it visible.
    void Layout() override;

    // Event handlers, one per bound control event.
    virtual void AufschlagField_LostFocus();
    virtual void AVKField_TextChange();
    virtual void OKButton_Action();
    virtual void PushButton2_Action();
    virtual void CancalButton_Action();
    virtual void AnzahlField_LostFocus();
    virtual void radioUst16_Action();
    virtual void radioUst7_Action();
    virtual void AnderungField_LostFocus();
    virtual bool StaticText5_MouseDown(std::int32_t x, std::int32_t y);
    virtual bool StaticText6_MouseDown(std::int32_t x, std::int32_t y);
    virtual void GHRabattField_TextChange();
    virtual bool HerstellerField_KeyDown(std::string key);
    virtual void avklittle_Up();
    virtual void avklittle_Down();
    virtual void Aufschlaglittle_Up();
    virtual void Aufschlaglittle_Down();
    virtual void AnzahlLittle_Up();
    virtual void AnzahlLittle_Down();
    virtual void GHLittle_Up();
    virtual void GHLittle_Down();
    virtual void HerstellerLittle_Up();
    virtual void HerstellerLittle_Down();
    virtual void radioUst19_Action();

    // The items of the window's menu bar, by name; nil where the bar has no such item.
    virtual fw::Ref<fw::MenuItem> FensterMenu();
    virtual fw::Ref<fw::MenuItem> FensterberTarivo();
    virtual fw::Ref<fw::MenuItem> UntitledItem();
    virtual fw::Ref<fw::MenuItem> Fenster16();
    virtual fw::Ref<fw::MenuItem> FensterTarivo();
    virtual fw::Ref<fw::MenuItem> BearbeitenMenu();
    virtual fw::Ref<fw::MenuItem> EditClear();
    virtual fw::Ref<fw::MenuItem> EditPaste();
    virtual fw::Ref<fw::MenuItem> EditCopy();
    virtual fw::Ref<fw::MenuItem> EditCut();
    virtual fw::Ref<fw::MenuItem> UntitledMenu0();
    virtual fw::Ref<fw::MenuItem> EditUndo();
    virtual fw::Ref<fw::MenuItem> DateiMenu();
    virtual fw::Ref<fw::QuitMenuItem> FileQuit();
    virtual fw::Ref<fw::MenuItem> UntitledMenu1();

    // The pricing model.
    virtual bool calculateOTC(double AEK, double Aufschlag, double AVK, std::int32_t Anzahl, double Spanne,
                              double Anderung);
    virtual double calcSpanne(double netto, double aekNetto);
    virtual void calcAll();
    virtual double getAEK2003(double netto);

private:
    const VatRate& selectedVatRate() const;
    std::string fieldText(std::string_view field) const;
    void setFieldText(std::string_view field, std::string text);
    void setLabelText(std::string_view label, std::string text);
    bool radioSelected(std::string_view radio) const;
    fw::Ref<fw::MenuItem> menuItemNamed(std::string_view name);
    void stepField(std::string_view field, double step, std::string_view pattern);
};
