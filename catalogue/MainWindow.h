#pragma once

#include "catalogue/CatalogueList.h"
#include "catalogue/LoadingState.h"
#include "core/Error.h"
#include "model/SettingsFile.h"
#include "widgets/WindowPorts.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QListWidgetItem;
class QMenu;
class QTimer;
struct AppState;
struct SettingsParse;
struct SettingsRecord;
namespace catalogue {
class ThumbnailQueue;
}

// The main window: the thumbnail catalogue of the current folder, its
// selection and status bar, and the menu through which every command starts.
class MainWindow : public QMainWindow, public MainWindowPort {
    Q_OBJECT
public:
    static constexpr int kDesignedWidth = 1024;
    static constexpr int kDesignedHeight = 765;

    MainWindow(AppState& state, Windows& windows);

    // --- the port other windows use ---
    QWidget& window() override { return *this; }
    int itemCount() const override;
    QString caption(int index) const override;
    bool isSelected(int index) const override;
    int lowestSelectedItem() const override;
    void selectOnly(int index) override;
    void reselect(int index) override;
    int thumbnailCount() const override;
    void openTrimmingView() override;
    void beginLoading(int thumbnailSize, int fileCount) override;
    void showRenamed(int index, const QString& newName) override;

    // The list itself, for the program's tools and tests.
    CatalogueList& catalogueList() { return *catalogueList_; }

    // While thumbnails load, every command of the window is inert.
    bool isBusy() const { return loading_.running(); }
    // What status panel 0 (load state) or 1 (details) shows.
    QString statusText(int panel) const;

    // --- start-up and exit ---
    // Reads Quillfold.ini from the current directory (once, by the start-up
    // timer, when the window has its frame) and opens the completion sound.
    void readSettings();
    // Writes Quillfold.ini into the settings folder; when it cannot, the
    // previous file stays as it was.
    core::Status saveSettings();
    SettingsRecord currentSettings() const;
    // The folder of Quillfold.ini: the current directory at start-up.
    const QString& settingsFolder() const { return settingsFolder_; }
    void setSettingsFolder(const QString& folder) { settingsFolder_ = folder; }
    void exitProgram();

    // --- menu commands ---
    void openFolder();
    void selectBySample();
    void invertSelection();
    void openSplitDialog();
    void openRenameDialog();
    void openSettingsDialog();
    void showVersion();

    // --- thumbnail loading ---
    const catalogue::LoadingState& loadingState() const { return loading_; }
    // One tick of the loading timer: adds the next file once its thumbnail is read.
    void loadNextFile();
    void abortLoading();

    // --- selection ---
    // A mouse press or a key release in the list: the current item follows.
    void takeCurrentFromPress(QPoint position);
    void takeCurrentFromKeys(int key, Qt::KeyboardModifiers modifiers);
    // A caption has changed: one edited in place is put back.
    void undoEditInPlace(QListWidgetItem* item);

    QLabel* loadStatePanel = nullptr;
    QLabel* detailPanel = nullptr;
    // Ticks the loading one file at a time.
    QTimer* loadingTimer = nullptr;
    // Fires once after creation, to read the settings.
    QTimer* startUpTimer = nullptr;

    QMenu* fileMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* exitAction = nullptr;
    QMenu* editMenu = nullptr;
    QAction* autoSelectAction = nullptr;
    QAction* invertSelectionAction = nullptr;
    QAction* splitAction = nullptr;
    QAction* renameAction = nullptr;
    QMenu* toolsMenu = nullptr;
    QAction* settingsAction = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* versionAction = nullptr;

signals:
    // The main window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void startUp();
    void buildMenu();
    void buildStatusBar();
    void setStatusText(int panel, const QString& text);
    void applySettingsNumber(int line, int32_t value);
    void applySettingsTexts(const SettingsParse& parsed);
    void closeOtherWindows();
    // A failed save at exit: the notice box says so, and its OK (or any
    // further close) ends the program.
    void tellSettingsNotSaved(const core::Error& error);
    // Selection: panel texts for the current item, or nothing current.
    void showCurrentItem();
    void clearCurrentItem();
    // Notes the captions of newly added items, so that an edit in place can be undone.
    void rememberCaptions(int first, int last);

    // Thumbnail loading: the end of a loading, in `phase`.
    void endLoading(catalogue::LoadingState::Phase phase);

    AppState& state_;
    Windows& windows_;
    CatalogueList* catalogueList_ = nullptr;

    // The loading in progress or last ended.
    catalogue::LoadingState loading_;
    // Its files, read ahead off the window's thread.
    catalogue::ThumbnailQueue* readAhead_ = nullptr;
    // Files of the last loading that could not be read.
    QStringList unreadable_;

    // Caption of the item under the last mouse press in the list.
    QString pressedCaption_;
    QString settingsFolder_;
    // What the start-up step found at the settings file's name.
    SettingsFile settingsFile_;
    // The exit command has saved the settings: closing saves nothing more.
    bool exitRequested_ = false;
    // The settings could not be saved at exit and the user has been told:
    // the next close ends the program without trying again.
    bool settingsNoticeShown_ = false;
};
