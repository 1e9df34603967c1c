#include "ClassRecord.h"

#include <algorithm>
#include <map>

namespace fw {

namespace {

struct Registry {
    std::map<std::string, std::unique_ptr<ClassRecord>, std::less<>> byName;
    std::vector<const ClassRecord*> inOrder;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

ClassRecord::ClassRecord(std::string name, const ClassRecord* superclass)
    : name_(std::move(name)), superclass_(superclass)
{
    if (superclass_) {
        classTable_ = superclass_->classTable_;
        events_ = superclass_->events_;
    }
}

bool ClassRecord::isKindOf(const ClassRecord& other) const
{
    for (const ClassRecord* record = this; record; record = record->superclass_)
        if (record == &other)
            return true;
    return false;
}

std::vector<const MemberRecord*> ClassRecord::members() const
{
    std::vector<const MemberRecord*> all = superclass_ ? superclass_->members() : std::vector<const MemberRecord*>{};
    for (const MemberRecord& member : ownMembers_)
        all.push_back(&member);
    return all;
}

const MemberRecord* ClassRecord::findMember(std::string_view name) const
{
    for (const ClassRecord* record = this; record; record = record->superclass_) {
        auto found = std::find_if(record->ownMembers_.begin(), record->ownMembers_.end(),
                                  [&](const MemberRecord& m) { return m.name == name; });
        if (found != record->ownMembers_.end())
            return &*found;
    }
    return nullptr;
}

Value ClassRecord::invoke(Object& self, std::string_view member, std::span<const Value> args) const
{
    if (!self.classRecord().isKindOf(*this))
        throw IllegalCastException(self.classRecord().name() + " is not a " + name_);
    const MemberRecord* record = findMember(member);
    if (!record)
        throw NilObjectException(name_ + " has no member " + std::string(member));
    return record->invoke(self, args);
}

bool ClassRecord::hasEvent(std::string_view event) const
{
    return std::find(events_.begin(), events_.end(), event) != events_.end();
}

std::vector<const PropertyRecord*> ClassRecord::properties() const
{
    std::vector<const PropertyRecord*> all =
        superclass_ ? superclass_->properties() : std::vector<const PropertyRecord*>{};
    for (const PropertyRecord& property : ownProperties_)
        all.push_back(&property);
    return all;
}

const ClassRecord* FindClass(std::string_view name)
{
    auto found = registry().byName.find(name);
    return found == registry().byName.end() ? nullptr : found->second.get();
}

std::vector<const ClassRecord*> RegisteredClasses() { return registry().inOrder; }

Ref<Object> RuntimeCheckCast(const Ref<Object>& object, const ClassRecord& record)
{
    if (object && !object->classRecord().isKindOf(record))
        throw IllegalCastException(object->classRecord().name() + " is not a " + record.name());
    return object;
}

Ref<Object> RuntimeNewObject(const ClassRecord& record)
{
    return record.factory() ? record.factory()() : Ref<Object>();
}

std::string detail::DescribeMismatch(const std::string& member, const std::string& given, const std::string& derived)
{
    return "member " + member + " is registered as \"" + given + "\" but its function is \"" + derived + "\"";
}

ClassBuilder::ClassBuilder(std::string name, const ClassRecord* superclass)
    : record_(std::make_unique<ClassRecord>(std::move(name), superclass))
{
}

ClassBuilder& ClassBuilder::rawMember(MemberRecord record)
{
    record_->ownMembers_.push_back(std::move(record));
    return *this;
}

ClassBuilder& ClassBuilder::slot(std::string name)
{
    record_->classTable_.push_back(std::move(name));
    return *this;
}

ClassBuilder& ClassBuilder::override(std::string name)
{
    auto& table = record_->classTable_;
    if (std::find(table.begin(), table.end(), name) == table.end())
        throw std::logic_error(record_->name_ + " overrides " + name + ", which it does not inherit");
    return *this;
}

ClassBuilder& ClassBuilder::events(std::vector<std::string> names)
{
    record_->events_.insert(record_->events_.end(), names.begin(), names.end());
    return *this;
}

ClassBuilder& ClassBuilder::implementsEvent(std::string name)
{
    if (!record_->hasEvent(name))
        throw std::logic_error(record_->name_ + " implements " + name + ", which is not one of its events");
    record_->implementedEvents_.push_back(std::move(name));
    return *this;
}

ClassBuilder& ClassBuilder::property(PropertyRecord record)
{
    record_->ownProperties_.push_back(std::move(record));
    return *this;
}

ClassBuilder& ClassBuilder::factory(std::function<Ref<Object>()> make)
{
    record_->factory_ = std::move(make);
    return *this;
}

const ClassRecord& ClassBuilder::registerClass()
{
    Registry& r = registry();
    if (const ClassRecord* existing = FindClass(record_->name()))
        return *existing;
    const ClassRecord* record = record_.get();
    r.byName.emplace(record->name(), std::move(record_));
    r.inOrder.push_back(record);
    return *record;
}

} // namespace fw
