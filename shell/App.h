// The application object: the three Fenster commands, each bringing up one window.
#pragma once

#include "framework/Application.h"
#include "framework/Registered.h"

class App : public fw::Registered<App, fw::Application, "App"> {
public:
    static void describe(fw::ClassBuilder& builder);

    // The registered application object as an App, or nil.
    static fw::Ref<App> Instance();

    virtual bool FensterTarivo_Action();
    virtual bool Fenster16_Action();
    virtual bool FensterberTarivo_Action();
};
