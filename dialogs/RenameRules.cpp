#include "dialogs/RenameRules.h"

#include <QCoreApplication>

#include <algorithm>

namespace dialogs {

namespace {

bool isForbiddenCharacter(QChar c) {
    static constexpr char16_t kForbidden[] = u"\\/:*?\"<>|\uFF5C";
    const char16_t code = c.unicode();
    if (code < 0x20 || code == 0x7F) {
        return true;
    }
    return std::find(std::begin(kForbidden), std::end(kForbidden) - 1, code) !=
           std::end(kForbidden) - 1;
}

}  // namespace

core::Error nameRefused() {
    return {
        core::ErrorKind::NameRefused,
        QCoreApplication::translate("dialogs", "The name has characters a file name cannot hold")};
}

QString forbiddenCharacterList() {
    return QCoreApplication::translate("dialogs", "\\ / : , ; * ? \" < > |");
}

bool isAcceptableNewName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    if (std::any_of(name.begin(), name.end(), isForbiddenCharacter)) {
        return false;
    }
    return !std::all_of(name.begin(), name.end(), [](QChar c) { return c.isSpace(); });
}

}  // namespace dialogs
