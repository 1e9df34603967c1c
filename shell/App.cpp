#include "App.h"

#include "about/Welcome.h"
#include "calculator/Hauptfenster.h"
#include "vat/UST.h"

using namespace fw;

namespace {

// Brings the shared window of the class up; the handlers' result is always False.
template <class W>
bool showWindow()
{
    Ref<W> window = SharedWindow<W>();
    if (!window)
        RaiseNilObjectException("no window to show");
    window->setVisible(true);
    return false;
}

} // namespace

void App::describe(ClassBuilder& b)
{
    b.method("_FensterTarivo_Action", "%b%", &App::FensterTarivo_Action)
        .method("_Fenster16_Action", "%b%", &App::Fenster16_Action)
        .method("_FensterberTarivo_Action", "%b%", &App::FensterberTarivo_Action);
}

Ref<App> App::Instance()
{
    Ref<Object> app = RuntimeCheckCast(GetAppObject(), LookupClass<App>());
    return Ref<App>(static_cast<App*>(app.get()));
}

bool App::FensterTarivo_Action() { return showWindow<Hauptfenster>(); }
bool App::Fenster16_Action() { return showWindow<UST>(); }
bool App::FensterberTarivo_Action() { return showWindow<Welcome>(); }
