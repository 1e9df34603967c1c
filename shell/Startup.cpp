#include "Startup.h"

#include "App.h"
#include "FileTypes.h"

#include "about/Welcome.h"
#include "calculator/Hauptfenster.h"
#include "menubar/Menue.h"
#include "resources/VelnoraLogo.h"
#include "vat/UST.h"

#include "framework/Application.h"
#include "framework/Window.h"

using namespace fw;

namespace startup {

void initialize()
{
    LookupClass<Window>();
    LookupClass<Application>();
    Hauptfenster::ctblinit();
    Menue::ctblinit();
    App::ctblinit();
    UST::ctblinit();
    Welcome::ctblinit();
}

void InitFileTypes() { FileTypes::Initialize(); }

void NewAppInstance()
{
    Ref<App> app = RuntimeNewObjectAs<App>(LookupClass<App>());
    app->setMenuBar(Menue::Instance());
    RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers()
{
    // The Fenster items are found by Name, not by caption.
    static constexpr std::pair<std::string_view, std::string_view> kBindings[] = {
        {"FensterTarivo", "_FensterTarivo_Action"},
        {"Fenster16", "_Fenster16_Action"},
        {"FensterberTarivo", "_FensterberTarivo_Action"},
    };
    for (const auto& [itemName, method] : kBindings) {
        Ref<App> receiver = App::Instance();
        if (!receiver)
            RaiseNilObjectException("there is no application object");
        Ref<App> target = App::Instance();
        if (!target)
            RaiseNilObjectException("there is no application object");
        const MemberRecord* handler = target->classRecord().findMember(method);
        if (!handler)
            RaiseNilObjectException("App has no method " + std::string(method));
        receiver->AddMenuHandler(std::string(itemName), RuntimeCreateDelegate(*handler, *target, "(  ) as Boolean"));
    }
}

void MakeDefaultView() { SharedWindow<Hauptfenster>(); }

std::vector<MainStep>& MainSteps()
{
    static std::vector<MainStep> steps{
        {"file type", &InitFileTypes},
        {"application", &NewAppInstance},
        {"menu handlers", &ApplicationAddMenuHandlers},
        {"default view", &MakeDefaultView},
    };
    return steps;
}

void Main()
{
    try {
        for (const MainStep& step : MainSteps())
            step.run();
        RuntimeRun();
    } catch (...) {
        UnhandledException(std::current_exception());
    }
}

const std::vector<FinalizeStep>& FinalizeSteps()
{
    static const std::vector<FinalizeStep> steps{
        {"logo", &VelnoraLogo::Release},
        {"framework lists", &ReleaseFrameworkLists},
        {"file type", &FileTypes::Release},
        {"menu bar", &Menue::ReleaseInstance},
    };
    return steps;
}

void finalize()
{
    for (const FinalizeStep& step : FinalizeSteps())
        step.release();
}

int run()
{
    RuntimeInit();
    initialize();
    Main();
    finalize();
    return RuntimeExit();
}

} // namespace startup
