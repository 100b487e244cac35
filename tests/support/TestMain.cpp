#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

// Every test program runs on the offscreen platform, with one application
// object for widget tests.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
