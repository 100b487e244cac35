#include "core/Error.h"

#include <QCoreApplication>

namespace core {
namespace {

// Translated ahead, when the language is chosen: translating allocates,
// and this text is needed when nothing more can be allocated. A copy of a
// QString shares its characters.
QString& outOfMemoryText() {
    static QString text;
    return text;
}

}  // namespace

void translateOutOfMemoryText() {
    outOfMemoryText() = QCoreApplication::translate("core", "Not enough memory");
}

Error outOfMemory() {
    if (outOfMemoryText().isEmpty())
        translateOutOfMemoryText();
    return {ErrorKind::OutOfMemory, outOfMemoryText()};
}

Error unexpectedError() {
    return {ErrorKind::Unexpected,
            QCoreApplication::translate("core", "An unexpected error occurred")};
}

}  // namespace core
