// quillfold-demo-settings: makes the settings file of the demo's run folder
// (scripts/start.sh), leaving an existing one as it is.
//
//     quillfold-demo-settings FILE BOOK_FOLDER PAGES_FOLDER

#include "bookgen/DemoSettings.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: quillfold-demo-settings FILE BOOK_FOLDER PAGES_FOLDER\n");
        return 2;
    }
    const bookgen::DemoSettingsResult result =
        bookgen::writeDemoSettings(arguments[1], arguments[2], arguments[3]);
    if (!result.message.isEmpty()) {
        std::fprintf(stderr, "quillfold-demo-settings: %s\n", qPrintable(result.message));
    }
    return result.outcome == bookgen::DemoSettingsOutcome::Failed ? 1 : 0;
}
