#pragma once
// How core and platform report a failure: a value or what went wrong, in words
// fit for a log line or a message box, with the system's error number when there
// is one. Status is the same without a value.
#include <QString>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>
#include <variant>

namespace norvane {

struct Failure {
    int code = 0;  // errno, or 0 when the system gave none
    QString message;
};

// The system's words for `code` (errno by default).
inline Failure SystemFailure(int code = errno) {
    return {code, QString::fromLocal8Bit(std::strerror(code))};
}

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Failure failure) : v_(std::move(failure)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(v_); }
    const T& value() const& { return std::get<0>(v_); }
    T&& value() && { return std::get<0>(std::move(v_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    // Only when !ok().
    const Failure& failure() const { return std::get<1>(v_); }

private:
    std::variant<T, Failure> v_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : f_(std::move(failure)) {}

    bool ok() const { return !f_; }
    explicit operator bool() const { return ok(); }
    // Only when !ok().
    const Failure& failure() const { return *f_; }

private:
    std::optional<Failure> f_;
};

using Status = Result<void>;

}  // namespace norvane
