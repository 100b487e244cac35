#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace core {

// Why a picture could not be read or written. `message` is shown to the
// user as it stands, so it is written in the program's language.
struct Error {
    QString message;
};

// A value or the error that prevented it. Decoders and writers return these
// instead of throwing, so a bad file never escapes as an exception.
template <typename T>
class [[nodiscard]] Expected {
public:
    Expected(T value) : data_(std::move(value)) {}
    Expected(Error error) : data_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(data_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(data_); }
    T& value() & { return std::get<T>(data_); }
    T&& value() && { return std::get<T>(std::move(data_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<Error>(data_); }

private:
    std::variant<T, Error> data_;
};

// Success or an error, for operations without a value.
using Status = Expected<std::monostate>;
inline Status success() {
    return Status(std::monostate{});
}

}  // namespace core
