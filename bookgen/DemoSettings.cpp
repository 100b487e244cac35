#include "bookgen/DemoSettings.h"

#include "imaging/FileCommit.h"
#include "model/SettingsRecord.h"

#include <QFile>
#include <QFileInfo>

namespace bookgen {

namespace {

// Text positions of the open and save folders in the settings record.
constexpr size_t kOpenFolderText = 6;
constexpr size_t kSaveFolderText = 7;

}  // namespace

DemoSettingsResult writeDemoSettings(const QString& file, const QString& bookFolder,
                                     const QString& pagesFolder) {
    if (QFileInfo::exists(file))
        return {DemoSettingsOutcome::Kept, {}};

    SettingsRecord record = designedSettings();
    record.texts[kOpenFolderText] = bookFolder;
    record.texts[kSaveFolderText] = pagesFolder;
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

    const SettingsParse stored = parseSettings(bytes);
    if (stored.texts[kOpenFolderText] != bookFolder ||
        stored.texts[kSaveFolderText] != pagesFolder) {
        return {DemoSettingsOutcome::Written,
                QStringLiteral("a folder name has characters Quillfold.ini cannot hold (CP932): "
                               "the dialogs start in their usual folders instead")};
    }
    return {DemoSettingsOutcome::Written, {}};
}

}  // namespace bookgen
