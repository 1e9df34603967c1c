// The application object: the three Fenster commands, each bringing up one window.
#pragma once

#include "framework/Application.h"

class App : public fw::Application {
public:
    static constexpr std::string_view kClassName = "App";
    static constexpr std::string_view kDisplayName = "App";
    static void ctblinit();
    const fw::ClassRecord& classRecord() const override;

    // The registered application object as an App, or nil.
    static fw::Ref<App> Instance();

    virtual bool FensterTarivo_Action();
    virtual bool Fenster16_Action();
    virtual bool FensterberTarivo_Action();
};
