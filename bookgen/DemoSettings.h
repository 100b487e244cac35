#pragma once

#include <QString>

namespace bookgen {

enum class DemoSettingsOutcome {
    Written,  // the file was made
    Kept,     // a settings file was already there and is left as it was
    Failed,   // the file could not be written
};

struct DemoSettingsResult {
    DemoSettingsOutcome outcome = DemoSettingsOutcome::Failed;
    // For the person starting the demo: why it failed, or that a folder
    // could not be stored in the file (its name has characters the
    // settings file's encoding lacks) and the program will not start there.
    QString message;
};

// Makes the settings file (Quillfold.ini) of a run folder for the demo
// book: the program's designed settings, with the open-folder dialog
// starting in `bookFolder` and the split batch writing into `pagesFolder`.
// A settings file that already exists at `file` is never replaced, not
// even one that appears while this one is written.
DemoSettingsResult writeDemoSettings(const QString& file, const QString& bookFolder,
                                     const QString& pagesFolder);

}  // namespace bookgen
