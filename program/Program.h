#pragma once

#include "core/Error.h"
#include "model/CatalogueModel.h"
#include "model/Settings.h"
#include "model/SettingsFile.h"

#include <QObject>
#include <QString>

#include <memory>

class MainWindow;
class OpenFolderDialog;
class SplitDialog;
class RenameDialog;
class SettingsDialog;
class NoticeBox;
class TrimmingView;
class FolderChooser;
class BookDialog;
namespace split {
class FindingsLookup;
}

// The running program, the roof over everything: it owns the settings and
// the catalogue, creates the eight windows (each given the models and the
// lower windows it works with) and wires what they say upward to the
// windows that answer. It reads the settings file at start and writes it
// when the program ends.
//
// The windows are created lowest first (notice box, folder chooser,
// open-folder dialog, settings dialog, rename dialog, trimming view, split
// dialog, main window) and destroyed the other way round.
class Program : public QObject {
    Q_OBJECT
public:
    Program();
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    model::CatalogueModel& catalogue() { return catalogue_; }
    // The settings as they stand (window places are read when saving).
    const model::Settings& settings() const { return settings_; }

    MainWindow& mainWindow() { return *mainWindow_; }
    TrimmingView& trimmingView() { return *trimmingView_; }
    SplitDialog& splitDialog() { return *splitDialog_; }
    BookDialog& bookDialog() { return *bookDialog_; }
    RenameDialog& renameDialog() { return *renameDialog_; }
    SettingsDialog& settingsDialog() { return *settingsDialog_; }
    NoticeBox& noticeBox() { return *noticeBox_; }
    OpenFolderDialog& openFolderDialog() { return *openFolderDialog_; }
    FolderChooser& folderChooser() { return *folderChooser_; }

    // --- start and end ---
    // The start-up step (once, when the main window has its frame): reads
    // Quillfold.ini from the current folder and applies it to the windows,
    // and opens the completion sound.
    void startUp();
    // Every setting as the windows now stand, their places included.
    model::Settings currentSettings() const;
    // Writes Quillfold.ini into the settings folder; when it cannot, the
    // previous file stays as it was.
    core::Status saveSettings();
    // A folder to open once the start-up step has read the settings (the
    // command line's FOLDER); empty for none.
    void openAtStart(const QString& folder) { folderAtStart_ = folder; }
    // Opens `folder` as the open-folder dialog's OK does, or says why not.
    void openFolder(const QString& folder);
    // Loads `fileNames` of `folder` into the catalogue with a fresh frame.
    void loadFolder(const QString& folder, const QStringList& fileNames, bool slowReading);

    // The folder of Quillfold.ini: the current folder at start-up.
    const QString& settingsFolder() const { return settingsFolder_; }
    void setSettingsFolder(const QString& folder) { settingsFolder_ = folder; }

protected:
    // Closing the main window by any means saves the settings first.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireCatalogue();
    void wireDialogs();
    void wireTrimming();
    void applySettings(const model::Settings& settings);
    // QuillfoldOptions.ini, beside the settings file.
    void readAddedOptions();
    void exitProgram();
    // Whether the main window may close now; saves the settings first
    // when it has not been done.
    bool mainWindowMayClose();
    void closeOtherWindows();
    // A failed save at exit: the notice box says so, and its OK (or any
    // further close) ends the program.
    void tellSettingsNotSaved(const core::Error& error);

    model::CatalogueModel catalogue_;
    model::Settings settings_;
    QString settingsFolder_;
    QString folderAtStart_;
    // What the start-up step found at the settings file's name.
    SettingsFile settingsFile_;
    // What was at QuillfoldOptions.ini's name when the program started.
    model::AddedOptionsFound addedOptionsFound_ = model::AddedOptionsFound::Nothing;
    // The exit command has saved the settings: closing saves nothing more.
    bool exitRequested_ = false;
    // The settings could not be saved at exit and the user has been told:
    // the next close ends the program without trying again.
    bool settingsNoticeShown_ = false;

    std::unique_ptr<NoticeBox> noticeBox_;
    std::unique_ptr<FolderChooser> folderChooser_;
    std::unique_ptr<OpenFolderDialog> openFolderDialog_;
    std::unique_ptr<SettingsDialog> settingsDialog_;
    std::unique_ptr<RenameDialog> renameDialog_;
    std::unique_ptr<TrimmingView> trimmingView_;
    std::unique_ptr<SplitDialog> splitDialog_;
    std::unique_ptr<split::FindingsLookup> findings_;
    std::unique_ptr<BookDialog> bookDialog_;
    std::unique_ptr<MainWindow> mainWindow_;
};
