#pragma once

#include "model/ListedPictures.h"
#include "program/Program.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class CatalogueList;
class MainWindow;
class OpenFolderDialog;
class SplitDialog;
class RenameDialog;
class SettingsDialog;
class NoticeBox;
class TrimmingView;
class FolderChooser;

// Runs the whole program for one test: the current directory is a fresh
// temporary folder (where Quillfold.ini is read and written), the eight
// windows are created in order, the main window is shown and the start-up
// step has run.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program; tests that prepare the start folder first (a
    // settings file, a sound file) call it themselves after setting
    // `startAutomatically` to false in their constructor.
    void startProgram();
    // Waits until `condition` holds, processing events; false after a timeout.
    template <typename Condition>
    bool waitFor(Condition condition, int timeoutMs = 5000);

    QString startFolder() const { return start_.path(); }
    QString pathInStart(const QString& name) const;

    model::CatalogueModel& catalogue() { return program_->catalogue(); }
    const model::Settings& settings() { return program_->settings(); }
    MainWindow& mainWindow() { return program_->mainWindow(); }
    OpenFolderDialog& openFolderDialog() { return program_->openFolderDialog(); }
    SplitDialog& splitDialog() { return program_->splitDialog(); }
    BookDialog& bookDialog() { return program_->bookDialog(); }
    RenameDialog& renameDialog() { return program_->renameDialog(); }
    SettingsDialog& settingsDialog() { return program_->settingsDialog(); }
    NoticeBox& noticeBox() { return program_->noticeBox(); }
    TrimmingView& trimmingView() { return program_->trimmingView(); }
    FolderChooser& folderChooser() { return program_->folderChooser(); }

    // The open command, then `folder` selected in the open-folder dialog's
    // tree and listed.
    void openDialogOn(const QString& folder);
    // ... and its OK: the loading starts.
    void startLoading(const QString& folder);
    // ... and waits until every thumbnail is loaded.
    void loadFolder(const QString& folder);

    // Shows the picture file at `path` in the trimming view with its frame,
    // as a catalogue item is shown; true when it is shown.
    bool showInTrimmingView(const QString& path);

    // The catalogue as the user sees it and drives it.
    CatalogueList& list();
    QString panel(int index);
    std::vector<int> selectedRows();
    int focusedRow();
    // A left click on item `row` (scrolled into view) with these modifiers.
    void clickItem(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A point of the list where no item is, and a click there.
    QPoint emptyPoint();
    void clickEmptySpace();
    // A key pressed and released in the list.
    void keyInList(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The notice box's message, second line, and its OK button pressed.
    QString noticeText();
    QString noticeLine();
    bool noticeShown();
    void pressNoticeOk();

    bool startAutomatically = true;
    std::unique_ptr<Program> program_;

private:
    QTemporaryDir start_;
    // The pictures showInTrimmingView steps through.
    model::ListedPictures shownPictures_;
    QString previousFolder_;
};

bool waitUntil(const std::function<bool()>& condition, int timeoutMs);

template <typename Condition>
bool ProgramFixture::waitFor(Condition condition, int timeoutMs) {
    return waitUntil(condition, timeoutMs);
}
