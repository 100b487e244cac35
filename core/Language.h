#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace core {

// The two languages of the interface. The program's texts are written in
// English; Japanese comes from its translation.
enum class Language { Japanese, English };

// The language a user's locale asks for: Japanese when the first language
// of `uiLanguages` (QLocale::system().uiLanguages(), which Qt reads from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG) is Japanese, English otherwise.
Language languageOf(const QStringList& uiLanguages);

// The value of a --language option: "ja" or "en"; nothing for anything else.
std::optional<Language> languageNamed(const QString& name);

// Makes `language` the interface's: installs the translation compiled into
// the program (for Japanese), removing the one installed before. Texts are
// translated when they are made, so windows made earlier keep theirs. Call
// from the thread of the application object, after it exists.
void useLanguage(Language language);

// The language useLanguage() last installed (English before any call).
Language currentLanguage();

}  // namespace core
