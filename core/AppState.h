#pragma once

#include "core/FrameFields.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

// The working values the windows share. One instance lives in main() for
// the whole run and is handed to every window by reference. Everything
// starts zero or empty; the main window's creation sets the few fields that
// start otherwise. Scratch fields are reused by several commands, which is
// safe because commands are refused while loading and every dialog disables
// the window that opened it.
struct AppState {
    // --- catalogue and start-up ---
    // Catalogue item last clicked or reached by keyboard; -1 = none.
    int32_t CurrentIndex = 0;
    // Shared loop index: next file to load, item tested by the automatic
    // selection or the inversion, item handled by the split batch.
    int32_t WorkIndex = 0;
    // 1 once the exit command has saved the settings.
    int32_t ExitRequested = 0;
    // Tolerance of the automatic selection; running number of the batch.
    int32_t WorkNumber = 0;
    // Shared scratch text (thumbnail size at opening, batch total, ...).
    QString WorkText;
    // Caption of the item under the last mouse press in the catalogue.
    QString SavedCaption;
    // Folder the catalogue shows, without a trailing separator.
    QString CurrentFolder;
    QString DefaultOpenFolder;
    QString DefaultSaveFolder;
    // Current directory at start-up; the settings file is written there.
    QString StartFolder;
    // Destination of the running split batch.
    QString OutputFolder;

    // --- split dialog ---
    // The two parts of the image being split.
    std::optional<QImage> ScratchBitmap;
    std::optional<QImage> ScratchBitmap2;

    // --- trimming view ---
    FrameFields Frame;
};
