// Reference-counted objects and the smart reference that holds them.
//
// Every object of the framework and of the program (windows, controls, menu items, pictures, the
// application) derives from Object and is owned through Ref<T>. A Ref releases its object on every
// way out of a scope, exceptions included, so no method has to release by hand.
#pragma once

#include <cstddef>
#include <utility>

namespace fw {

class ClassRecord;

class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    void retain() const noexcept { ++references_; }
    void release() const noexcept
    {
        if (--references_ == 0)
            delete this;
    }
    int referenceCount() const noexcept { return references_; }

    // The record of the object's class; RuntimeCheckCast compares against it.
    virtual const ClassRecord& classRecord() const;

private:
    mutable int references_ = 0;
};

template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    explicit Ref(T* object) noexcept : object_(object)
    {
        if (object_)
            object_->retain();
    }
    Ref(const Ref& other) noexcept : Ref(other.object_) {}
    Ref(Ref&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    template <class U>
    Ref(const Ref<U>& other) noexcept : Ref(static_cast<T*>(other.get()))
    {
    }
    template <class U>
    Ref(Ref<U>&& other) noexcept : object_(other.detach())
    {
    }
    ~Ref() { reset(); }

    Ref& operator=(Ref other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }

    void reset() noexcept
    {
        if (T* old = std::exchange(object_, nullptr))
            old->release();
    }
    // Hands the reference over to the caller, who must release it.
    T* detach() noexcept { return std::exchange(object_, nullptr); }

    T* get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.object_ == b.object_; }
    friend bool operator==(const Ref& a, std::nullptr_t) noexcept { return a.object_ == nullptr; }

private:
    T* object_ = nullptr;
};

template <class T, class... Args>
Ref<T> MakeRef(Args&&... args)
{
    return Ref<T>(new T(std::forward<Args>(args)...));
}

// A new reference to an object that someone else already holds.
template <class T>
Ref<T> RefTo(T& object) noexcept
{
    return Ref<T>(&object);
}

} // namespace fw
