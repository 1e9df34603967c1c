#include "PropertyHolder.h"

#include "ClassRecord.h"
#include "Exceptions.h"

#include <stdexcept>

namespace fw {

PropertyHolder::PropertyHolder(Defaults defaults)
{
    for (const auto& [prop, value] : defaults)
        values_[index(prop)] = value;
}

PropertyHolder::~PropertyHolder() = default;

const PropValue& PropertyHolder::property(Prop prop) const
{
    const auto& value = values_[index(prop)];
    if (!value)
        throw std::logic_error(classRecord().name() + " has no property " + std::string(Info(prop).propertyName));
    return *value;
}

void PropertyHolder::setProperty(Prop prop, PropValue value)
{
    if (!hasProperty(prop))
        throw LayoutException(classRecord().name() + " has no property " + std::string(Info(prop).propertyName));
    if (TypeOf(value) != Info(prop).type)
        throw LayoutException("wrong type of value for " + std::string(Info(prop).propertyName));
    storeProperty(prop, std::move(value));
}

void PropertyHolder::storeProperty(Prop prop, PropValue value)
{
    values_[index(prop)] = std::move(value);
    propertyStored(prop);
    if (peer_)
        peer_->propertyChanged(prop);
}

void PropertyHolder::storePropertyQuietly(Prop prop, PropValue value)
{
    values_[index(prop)] = std::move(value);
    propertyStored(prop);
}

void SetProperties(PropertyHolder& target, std::string_view layout)
{
    std::vector<LayoutEntry> entries = ReadLayout(layout);
    for (const LayoutEntry& entry : entries)
        if (!target.hasProperty(entry.prop))
            throw LayoutException(target.classRecord().name() + " has no property " +
                                  std::string(Info(entry.prop).propertyName) + " (layout entry at byte " +
                                  std::to_string(entry.offset) + ")");
    for (LayoutEntry& entry : entries)
        target.setProperty(entry.prop, std::move(entry.value));
}

} // namespace fw
