// An object whose properties layouts set: windows and controls.
#pragma once

#include "Backend.h"
#include "Object.h"
#include "PropertyBlob.h"

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace fw {

class PropertyHolder : public Object {
public:
    bool hasProperty(Prop prop) const { return values_[index(prop)].has_value(); }
    // The value of a property the object has; std::logic_error for one it lacks.
    const PropValue& property(Prop prop) const;
    // Stores the value and tells the peer; LayoutException when the object lacks the property or the
    // value has the wrong type.
    void setProperty(Prop prop, PropValue value);

    std::int32_t intProperty(Prop prop) const { return std::get<std::int32_t>(property(prop)); }
    bool boolProperty(Prop prop) const { return std::get<bool>(property(prop)); }
    Color colorProperty(Prop prop) const { return std::get<Color>(property(prop)); }
    const std::string& stringProperty(Prop prop) const { return std::get<std::string>(property(prop)); }

    Peer* peer() const { return peer_.get(); }
    void attachPeer(std::unique_ptr<Peer> peer) { peer_ = std::move(peer); }

protected:
    using Defaults = std::initializer_list<std::pair<Prop, PropValue>>;
    explicit PropertyHolder(Defaults defaults);
    ~PropertyHolder() override;
    // For the model's own changes of a value whose type is known to be right.
    void storeProperty(Prop prop, PropValue value);
    // Stores without telling the peer: for values the peer itself reported.
    void storePropertyQuietly(Prop prop, PropValue value);
    // Runs after a value is stored, before the peer hears of it.
    virtual void propertyStored(Prop) {}

private:
    static std::size_t index(Prop prop) { return static_cast<std::size_t>(prop); }
    std::array<std::optional<PropValue>, kPropCount> values_;
    std::unique_ptr<Peer> peer_;
};

// Applies a layout to a window or control. The whole layout is read and checked first (every name
// known, every value in bounds, every property one the target has), so a faulty layout changes nothing
// and raises LayoutException naming the property and its byte offset.
void SetProperties(PropertyHolder& target, std::string_view layout);

} // namespace fw
