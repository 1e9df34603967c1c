// The VAT converter: a gross price at 16 % VAT into the price at 19 % and back, as the user types. The
// field that last received the focus is the source; set16 and set19 remember which one it is.
#pragma once

#include "framework/Window.h"

#include <string_view>

class UST : public fw::Window {
public:
    static constexpr std::string_view kClassName = "UST.UST";
    static constexpr std::string_view kDisplayName = "UST";
    static void ctblinit();
    const fw::ClassRecord& classRecord() const override;

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    virtual void EditPreis16_TextChange();
    virtual void EditPreis16_GotFocus();
    virtual void EditPreis19_TextChange();
    virtual void EditPreis19_GotFocus();
    virtual void Pushok_Action();
    void AddMenuHandlers(fw::Window& window) override;
    virtual void calcUST();

    bool set16 = false;
    bool set19 = false;

private:
    void convert(std::string_view source, std::string_view destination, double divisor, double multiplier);
};
