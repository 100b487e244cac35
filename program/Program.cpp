#include "program/Program.h"

#include "catalogue/MainWindow.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "split/SplitDialog.h"
#include "trimming/TrimmingView.h"
#include "widgets/FormLook.h"

Program::Program() {
    mainWindow_ = std::make_unique<MainWindow>(state, windows);
    windows.mainWindow = mainWindow_.get();
    windows.main = mainWindow_.get();
    trimmingView_ = std::make_unique<TrimmingView>(state, windows);
    windows.trimmingView = trimmingView_.get();
    windows.trimming = trimmingView_.get();
    splitDialog_ = std::make_unique<SplitDialog>(state, windows);
    windows.splitDialog = splitDialog_.get();
    windows.split = splitDialog_.get();
    renameDialog_ = std::make_unique<RenameDialog>(state, windows);
    windows.renameDialog = renameDialog_.get();
    settingsDialog_ = std::make_unique<SettingsDialog>(windows);
    windows.settingsDialog = settingsDialog_.get();
    noticeBox_ = std::make_unique<NoticeBox>(windows);
    windows.noticeBox = noticeBox_.get();
    openFolderDialog_ = std::make_unique<OpenFolderDialog>(state, windows);
    windows.openFolderDialog = openFolderDialog_.get();
    folderChooser_ = std::make_unique<FolderChooser>(state, windows);
    windows.folderChooser = folderChooser_.get();

    // Designed placements, before the settings file moves them.
    placeWindow(*openFolderDialog_, 174, 125);
    placeWindow(*splitDialog_, 280, 141);
    placeWindow(*renameDialog_, 340, 261);
    placeWindow(*settingsDialog_, 399, 216);
    placeWindow(*noticeBox_, 384, 264);
    placeWindow(*trimmingView_, 4, 190);
    placeWindow(*folderChooser_, 336, 157);
}

Program::~Program() {
    // Timers of a window may still refer to later windows: stop everything
    // before the first window goes.
    folderChooser_.reset();
    openFolderDialog_.reset();
    noticeBox_.reset();
    settingsDialog_.reset();
    renameDialog_.reset();
    splitDialog_.reset();
    trimmingView_.reset();
    mainWindow_.reset();
}
