#pragma once

#include "widgets/AppState.h"
#include "widgets/WindowPorts.h"

#include <memory>

class MainWindow;
class OpenFolderDialog;
class SplitDialog;
class RenameDialog;
class SettingsDialog;
class NoticeBox;
class TrimmingView;
class FolderChooser;

// The running program: the shared state and the eight windows, created in
// their fixed order (main window, trimming view, split dialog, rename
// dialog, settings dialog, notice box, open-folder dialog, folder chooser)
// and destroyed in the reverse order.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AppState state;
    Windows windows;

private:
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<TrimmingView> trimmingView_;
    std::unique_ptr<SplitDialog> splitDialog_;
    std::unique_ptr<RenameDialog> renameDialog_;
    std::unique_ptr<SettingsDialog> settingsDialog_;
    std::unique_ptr<NoticeBox> noticeBox_;
    std::unique_ptr<OpenFolderDialog> openFolderDialog_;
    std::unique_ptr<FolderChooser> folderChooser_;
};
