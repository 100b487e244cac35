#include "core/Language.h"

#include <QApplication>
#include <QLocale>
#include <QtGlobal>

#include <gtest/gtest.h>

// Every test program runs on the offscreen platform, with one application
// object for widget tests, in Japanese: the tests that read the interface's
// texts read the Japanese ones (a test of the English sets it itself). The
// language comes from the locale as the programs take it, and programs the
// tests start inherit it.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("LANGUAGE", "ja");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    core::useLanguage(core::languageOf(QLocale::system().uiLanguages()));
    return RUN_ALL_TESTS();
}
