#include "ControlBlueprint.h"

namespace fw {

namespace {

Ref<Control> checkedControl(const Window& window, const ControlBlueprint& blueprint)
{
    Ref<Control> control = RuntimeWindowControlByName(window, blueprint.name);
    if (!control)
        RaiseNilObjectException("the window has no control named " + blueprint.name);
    RuntimeCheckCast(control, blueprint.controlClass());
    return control;
}

} // namespace

void CreateControlsFrom(Window& window, std::span<const ControlBlueprint> controls,
                        std::span<const EventBinding> bindings, const BeforeLayout& beforeLayout)
{
    const ClassRecord& windowClass = window.classRecord();
    for (const ControlBlueprint& blueprint : controls) {
        {
            Ref<Control> created = window.New(blueprint.controlClass());
            if (!created)
                RaiseNilObjectException("no control of class " + blueprint.controlClass().name() + " could be made");
            created->Constructor();
            window.AddControl(blueprint.name, created);
        }
        if (beforeLayout)
            beforeLayout(window, blueprint);
        SetProperties(*checkedControl(window, blueprint), blueprint.layout);
        for (const EventBinding& binding : bindings) {
            if (binding.control != blueprint.name)
                continue;
            Ref<Control> control = checkedControl(window, blueprint);
            const MemberRecord* handler = windowClass.findMember(binding.handler);
            if (!handler)
                RaiseNilObjectException(windowClass.name() + " has no handler " + std::string(binding.handler));
            control->installEventHandler(binding.event,
                                         RuntimeCreateDelegate(*handler, window, EventSignatureText(binding.event)));
        }
    }
}

MemberRecord ControlAccessor(std::string name, const ClassRecord& controlClass)
{
    std::string signature = "%o<" + controlClass.name() + ">%s";
    Invoker invoke = [&controlClass](Object& self, std::span<const Value> args) -> Value {
        auto* window = dynamic_cast<Window*>(&self);
        const std::string* controlName = args.size() == 1 ? std::get_if<std::string>(&args[0]) : nullptr;
        if (!window || !controlName)
            throw IllegalCastException("a control accessor takes a window and a control name");
        return RuntimeCheckCast(RuntimeWindowControlByName(*window, *controlName), controlClass);
    };
    return MemberRecord{std::move(name), 1, std::move(signature), std::move(invoke)};
}

} // namespace fw
