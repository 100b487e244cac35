#include "model/SettingsTable.h"

#include "core/NumberText.h"

#include <QFileInfo>

#include <array>

namespace model {
namespace {

using NumberField = int& (*)(Settings&);
using TextField = QString& (*)(Settings&);

// Lines 1 to 18.
constexpr std::array<NumberField, SettingsRecord::kNumberCount> kNumberLines = {
    [](Settings& s) -> int& { return s.mainWindow.top; },
    [](Settings& s) -> int& { return s.mainWindow.left; },
    [](Settings& s) -> int& { return s.mainWindow.width; },
    [](Settings& s) -> int& { return s.mainWindow.height; },
    [](Settings& s) -> int& { return s.openFolderDialog.top; },
    [](Settings& s) -> int& { return s.openFolderDialog.left; },
    [](Settings& s) -> int& { return s.splitDialog.top; },
    [](Settings& s) -> int& { return s.splitDialog.left; },
    [](Settings& s) -> int& { return s.renameDialog.top; },
    [](Settings& s) -> int& { return s.renameDialog.left; },
    [](Settings& s) -> int& { return s.settingsDialog.top; },
    [](Settings& s) -> int& { return s.settingsDialog.left; },
    [](Settings& s) -> int& { return s.noticeBox.top; },
    [](Settings& s) -> int& { return s.noticeBox.left; },
    [](Settings& s) -> int& { return s.trimmingView.top; },
    [](Settings& s) -> int& { return s.trimmingView.left; },
    [](Settings& s) -> int& { return s.folderChooser.top; },
    [](Settings& s) -> int& { return s.folderChooser.left; },
};

// Lines 19 to 24, with the bound of each box.
struct BoxLine {
    TextField field;
    int upperBound;
};
constexpr std::array<BoxLine, 6> kBoxLines = {{
    {[](Settings& s) -> QString& { return s.splitBoxes.jpegQuality; }, kMaxJpegQuality},
    {[](Settings& s) -> QString& { return s.splitBoxes.marginThreshold; }, kMaxMarginThreshold},
    {[](Settings& s) -> QString& { return s.splitBoxes.keptMargin; }, kMaxKeptMargin},
    {[](Settings& s) -> QString& { return s.splitBoxes.centreWidth; }, kMaxCentreWidth},
    {[](Settings& s) -> QString& { return s.thumbnailSize; }, kMaxThumbnailSide},
    {[](Settings& s) -> QString& { return s.tolerance; }, kMaxTolerance},
}};

// Lines 25 and 26.
constexpr std::array<TextField, 2> kFolderLines = {
    [](Settings& s) -> QString& { return s.defaultOpenFolder; },
    [](Settings& s) -> QString& { return s.defaultSaveFolder; },
};

}  // namespace

SettingsRecord recordOf(const Settings& settings) {
    Settings fields = settings;
    SettingsRecord record;
    for (size_t line = 0; line < kNumberLines.size(); ++line) {
        record.numbers[line] = kNumberLines[line](fields);
    }
    for (size_t box = 0; box < kBoxLines.size(); ++box) {
        record.texts[box] = kBoxLines[box].field(fields);
    }
    for (size_t folder = 0; folder < kFolderLines.size(); ++folder) {
        record.texts[kBoxLines.size() + folder] = kFolderLines[folder](fields);
    }
    return record;
}

QByteArray formatSettings(const Settings& settings) {
    return formatSettings(recordOf(settings));
}

SettingsReading settingsFrom(const SettingsParse& parsed, const Settings& start) {
    SettingsReading reading{start, parsed.badLine};
    for (size_t line = 0; line < parsed.numbers.size() && line < kNumberLines.size(); ++line) {
        kNumberLines[line](reading.settings) = parsed.numbers[line];
    }
    if (!parsed.complete()) {
        return reading;
    }
    for (size_t box = 0; box < kBoxLines.size(); ++box) {
        const QString& text = parsed.texts[box];
        kBoxLines[box].field(reading.settings) =
            correctedNumberText(text, kBoxLines[box].upperBound).value_or(text);
    }
    for (size_t folder = 0; folder < kFolderLines.size(); ++folder) {
        const QString& path = parsed.texts[kBoxLines.size() + folder];
        if (!path.isEmpty() && QFileInfo(path).isDir()) {
            kFolderLines[folder](reading.settings) = path;
        }
    }
    return reading;
}

}  // namespace model
