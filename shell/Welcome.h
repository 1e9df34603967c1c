// The about window: product name, version, a one-sentence description, the maker's contact block and
// logo. Nothing runs in it once it is built.
#pragma once

#include "framework/Window.h"

#include <string_view>

class Welcome : public fw::Window {
public:
    static constexpr std::string_view kClassName = "Welcome.Welcome";
    static constexpr std::string_view kDisplayName = "Welcome";
    static void ctblinit();
    const fw::ClassRecord& classRecord() const override;

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    void AddMenuHandlers(fw::Window& window) override;
};
