// The VAT converter window, whole: a gross price at 16 % VAT into the price at 19 % and back, as the
// user types. The field that last received the focus is the source; set16 and set19 remember which
// one it is. This layer uses the framework only; the shell above it opens the window.
#pragma once

#include "framework/ControlTable.h"
#include "framework/WindowClass.h"

#include <string_view>

class UST : public fw::WindowClass<UST, "UST.UST"> {
public:
    static const fw::WindowRow& LayoutRow();
    static const fw::ControlTable& Controls();
    static void describeMembers(fw::ClassBuilder& builder);

    virtual void EditPreis16_TextChange();
    virtual void EditPreis16_GotFocus();
    virtual void EditPreis19_TextChange();
    virtual void EditPreis19_GotFocus();
    virtual void Pushok_Action();
    virtual void calcUST();

    bool set16 = false;
    bool set19 = false;

private:
    void convert(std::string_view source, std::string_view destination, double divisor, double multiplier);
};
