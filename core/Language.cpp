#include "core/Language.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace core {
namespace {

struct Installed {
    std::unique_ptr<QTranslator> translator;
    Language language = Language::English;
};

Installed& installed() {
    static Installed state;
    return state;
}

}  // namespace

Language languageOf(const QStringList& uiLanguages) {
    if (!uiLanguages.isEmpty() && uiLanguages.front().startsWith(QLatin1String("ja"))) {
        return Language::Japanese;
    }
    return Language::English;
}

std::optional<Language> languageNamed(const QString& name) {
    if (name == QLatin1String("ja")) {
        return Language::Japanese;
    }
    if (name == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

void useLanguage(Language language) {
    Installed& state = installed();
    if (state.translator) {
        QCoreApplication::removeTranslator(state.translator.get());
        state.translator.reset();
    }
    state.language = language;
    // English is the source language; its file holds only plural forms.
    auto translator = std::make_unique<QTranslator>();
    const QString name = language == Language::Japanese ? QStringLiteral("quillfold_ja")
                                                        : QStringLiteral("quillfold_en");
    if (translator->load(name, QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(translator.get());
        state.translator = std::move(translator);
    }
    translateOutOfMemoryText();
}

Language currentLanguage() {
    return installed().language;
}

}  // namespace core
