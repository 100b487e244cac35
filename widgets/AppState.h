#pragma once

#include "widgets/FrameFields.h"

#include <QString>

#include <cstdint>

// What the windows truly share: the current item and folder, the saved
// default folders and the trimming view's frame. One instance lives for the
// whole run and is handed to every window by reference; each job keeps its
// own working state in its own typed object.
struct AppState {
    // Catalogue item last clicked or reached by keyboard; -1 = none.
    int32_t CurrentIndex = 0;
    // Folder the catalogue shows, without a trailing separator.
    QString CurrentFolder;
    // The folders the open-folder dialog and the split dialog start in,
    // saved in the settings file.
    QString DefaultOpenFolder;
    QString DefaultSaveFolder;

    // The trimming view's frame and steps, kept from one image to the next.
    FrameFields Frame;
};
