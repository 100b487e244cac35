#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace core {

// What went wrong, for the code that must react: callers branch on the
// kind, never on the message.
enum class ErrorKind {
    // Reading a file.
    FileMissing,     // nothing at the path (or a link that leads nowhere)
    NotRegularFile,  // a FIFO, socket or device where a file belongs
    CannotOpen,      // no permission, a folder, and the like
    CannotRead,      // an input error while reading
    FileEmpty,
    FileTooLarge,  // longer than any picture within the limits needs
    // Its content.
    Unsupported,      // a kind or variant the program does not read
    NotThatKind,      // not what its name says (a ".jpg" that is no JPEG)
    CutOff,           // the data end before the picture does
    Damaged,          // corrupt data
    PictureTooLarge,  // beyond the picture size limits
    PictureTooSmall,  // too small for the work asked of it
    NothingToWrite,   // no picture, or an empty region
    // Writing and naming files.
    FolderMissing,
    WriteFailed,
    DiskFull,
    NameTaken,
    NameRefused,  // characters a file name may not hold
    CannotRename,
    SameFile,         // a copy onto itself
    SourceProtected,  // the write would replace a source picture
    // Anywhere.
    OutOfMemory,
    Unexpected,
};

// Why something could not be done: its kind, and a message shown to the
// user as it stands (in the interface's language). Each area of the
// program writes its messages in one place.
struct Error {
    ErrorKind kind = ErrorKind::Unexpected;
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
    // The error's kind; only for a failed result.
    ErrorKind kind() const { return error().kind; }

private:
    std::variant<T, Error> data_;
};

// Success or an error, for operations without a value.
using Status = Expected<std::monostate>;
inline Status success() {
    return Status(std::monostate{});
}

// Memory ran out ("メモリが足りません"): the one message for it everywhere.
Error outOfMemory();
// Translates the text outOfMemory() returns; called when the language is chosen.
void translateOutOfMemoryText();
// Something failed that the program does not expect to fail.
Error unexpectedError();

}  // namespace core
