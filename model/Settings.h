#pragma once

#include "model/AddedOptions.h"
#include "model/AutoSelect.h"
#include "model/ThumbnailSide.h"

#include <QString>

namespace model {

// A window's place as the settings keep it: the top-left corner of its
// frame on the screen.
struct WindowPlace {
    int top = 0;
    int left = 0;

    bool operator==(const WindowPlace&) const = default;
};

// The main window keeps its outer size too.
struct MainWindowPlace {
    int top = -1;
    int left = 0;
    int width = 1024;
    int height = 765;

    bool operator==(const MainWindowPlace&) const = default;
};

// The number boxes of a dialog are kept as the texts they hold: a box may
// be empty, or hold "$10" as typed, and the settings give back exactly that.
// Every text is one the box's own rules would leave as it is
// (correctedNumberText).
struct SplitBoxes {
    QString jpegQuality;
    QString marginThreshold;
    QString keptMargin;
    QString centreWidth;

    bool operator==(const SplitBoxes&) const = default;
};

// The bounds of those boxes, and of the settings dialog's two.
inline constexpr int kMaxJpegQuality = 100;
inline constexpr int kMaxMarginThreshold = 255;
inline constexpr int kMaxKeptMargin = 9999;
inline constexpr int kMaxCentreWidth = 9999;
inline constexpr int kMaxTolerance = 990;

// The split boxes of a program that has no settings file: the split
// options' defaults.
SplitBoxes designedSplitBoxes();

// Everything the program keeps from one run to the next, as one value. The
// program owns it; a dialog is given what it shows and reports what the
// user changed. Each default is the designed value, written here once.
// Quillfold.ini holds these fields (see SettingsTable.h).
struct Settings {
    MainWindowPlace mainWindow;
    WindowPlace openFolderDialog{125, 174};
    WindowPlace splitDialog{141, 280};
    WindowPlace renameDialog{261, 340};
    WindowPlace settingsDialog{216, 399};
    WindowPlace noticeBox{264, 384};
    WindowPlace trimmingView{190, 4};
    WindowPlace folderChooser{157, 336};

    SplitBoxes splitBoxes = designedSplitBoxes();
    // The settings dialog's boxes.
    QString thumbnailSize = QString::number(kDesignedThumbnailSide);
    QString tolerance = QString::number(kDesignedTolerance);

    // The folders the open-folder dialog and the split dialog start in;
    // empty for none.
    QString defaultOpenFolder;
    QString defaultSaveFolder;

    // Kept in QuillfoldOptions.ini, not in Quillfold.ini.
    AddedOptions added;

    bool operator==(const Settings&) const = default;
};

}  // namespace model
