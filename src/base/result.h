// The one result type for everything that can fail: a value, or a text that
// tells the operator what went wrong. Error texts come from the subsystem's
// messages, defined once.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace kestrova {

struct Failure {
    std::string error;
};

inline Failure fail(std::string error) { return Failure{std::move(error)}; }

template <class T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: a value converts to success
    Result(Failure f) : error_(std::move(f.error)) {}  // NOLINT: a failure converts too

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    const std::string& error() const { return error_; }

private:
    std::optional<T> value_;
    std::string error_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure f) : error_(std::move(f.error)), failed_(true) {}  // NOLINT

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }

private:
    std::string error_;
    bool failed_ = false;
};

}  // namespace kestrova
