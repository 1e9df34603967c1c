// The framework's exceptions. They carry a message that names what was missing or mismatched.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* className() const noexcept { return "RuntimeException"; }
};

// Raised when code uses an object that is not there: a control name without a control, a missing menu.
class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& what = "a missing object was used")
        : RuntimeException(what)
    {
    }
    const char* className() const noexcept override { return "NilObjectException"; }
};

// Raised when a checked cast finds an object of another class.
class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* className() const noexcept override { return "IllegalCastException"; }
};

// Raised when a layout description does not read to its end or names a property the target lacks.
class LayoutException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* className() const noexcept override { return "LayoutException"; }
};

[[noreturn]] inline void RaiseNilObjectException(const std::string& what = "a missing object was used")
{
    throw NilObjectException(what);
}

} // namespace fw
