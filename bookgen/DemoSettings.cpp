#include "bookgen/DemoSettings.h"

#include "imaging/FileCommit.h"
#include "model/SettingsTable.h"

#include <QFile>
#include <QFileInfo>

namespace bookgen {

DemoSettingsResult writeDemoSettings(const QString& file, const QString& bookFolder,
                                     const QString& pagesFolder) {
    if (QFileInfo::exists(file))
        return {DemoSettingsOutcome::Kept, {}};

    model::Settings settings;
    settings.defaultOpenFolder = bookFolder;
    settings.defaultSaveFolder = pagesFolder;
    const SettingsRecord record = model::recordOf(settings);
    const QByteArray bytes = formatSettings(record);

    // Written under a name of its own and then moved to `file` without
    // replacing, so a settings file made meanwhile survives.
    const QString draft = file + QStringLiteral(".demo-draft");
    if (const core::Status written = imaging::commitFile(draft, bytes); !written.ok())
        return {DemoSettingsOutcome::Failed, written.error().message};
    const core::Status moved = imaging::renameNoReplace(draft, file);
    if (!moved.ok()) {
        QFile::remove(draft);
        if (QFileInfo::exists(file))
            return {DemoSettingsOutcome::Kept, {}};
        return {DemoSettingsOutcome::Failed, moved.error().message};
    }

    if (parseSettings(bytes).texts != record.texts) {
        return {DemoSettingsOutcome::Written,
                QStringLiteral("a folder name has characters Quillfold.ini cannot hold (CP932): "
                               "the dialogs start in their usual folders instead")};
    }
    return {DemoSettingsOutcome::Written, {}};
}

}  // namespace bookgen
