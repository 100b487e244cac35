#pragma once

#include "model/Settings.h"
#include "model/SettingsRecord.h"

#include <QByteArray>

#include <optional>

namespace model {

// Quillfold.ini line by line: which field of Settings each of its 26 lines
// holds (the table in SettingsTable.cpp is the one place that says so).
// The bytes themselves (numbers, CP932 texts, CR LF) are SettingsRecord's.
//
//   lines 1-4    main window top, left, outer width, outer height
//   lines 5-18   top and left of the open-folder dialog, split dialog,
//                rename dialog, settings dialog, notice box, trimming view
//                and folder chooser, in that order
//   lines 19-22  the split dialog's quality, margin threshold, kept margin
//                and centre width boxes
//   lines 23-24  the settings dialog's thumbnail size and tolerance boxes
//   lines 25-26  the default open and save folders

SettingsRecord recordOf(const Settings& settings);
QByteArray formatSettings(const Settings& settings);

// What a settings file gave.
struct SettingsReading {
    Settings settings;
    // 1-based line of the first number that is not an integer: the
    // numbers before it were taken, nothing after it.
    std::optional<int> badLine;
};

// The settings a file's parse gives, starting from `start`: each number
// read before a damaged one; when none is damaged also the box texts, as
// the boxes' own rules leave them (a number above a box's bound becomes
// the bound, a text that is no number the empty text), and each folder
// line that names an existing folder.
SettingsReading settingsFrom(const SettingsParse& parsed, const Settings& start = {});

}  // namespace model
