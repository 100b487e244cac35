#pragma once

namespace model {

// Where the catalogue's loading stands. The loader owns it; the status bar's
// first panel and the main window's "busy" are derived from it.
struct LoadingState {
    enum class Phase {
        // Nothing loaded since start-up.
        Idle,
        // Adding one file per tick; every other command of the window is inert.
        Running,
        // Every file added, or stopped by a file that went missing.
        Loaded,
        // Stopped by Esc (or by the program ending) before the last file.
        Interrupted,
    };

    Phase phase = Phase::Idle;
    // The file the next tick adds (0-based): after the loading, how many were
    // added, or `total` when a missing file stopped it.
    int next = 0;
    // Files of this loading.
    int total = 0;
    // "低速読み": large pictures are first reduced to a quarter. Taken from
    // the open-folder dialog when the loading starts.
    bool slowReading = false;

    bool running() const { return phase == Phase::Running; }
};

}  // namespace model
