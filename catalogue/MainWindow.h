#pragma once

#include "catalogue/CatalogueList.h"
#include "model/LoadingState.h"

#include <QMainWindow>
#include <QStringList>

class NoticeBox;
class QAction;
class QLabel;
class QListWidgetItem;
class QMenu;
class QTimer;
namespace catalogue {
class ThumbnailQueue;
}
namespace model {
class CatalogueModel;
}

// The main window: the view of the catalogue (model::CatalogueModel), its
// thumbnails, selection and status bar, and the menu through which every
// command starts. It loads a folder's thumbnails itself; every other
// command it says upward by a signal, after the checks the command makes
// (not while loading, not without an item), and the program opens the
// window that answers.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(model::CatalogueModel& catalogue, NoticeBox& notices);

    // The list itself, for the program's tools and tests.
    CatalogueList& catalogueList() { return *catalogueList_; }

    // While thumbnails load, every command of the window is inert.
    bool isBusy() const;
    // What status panel 0 (load state) or 1 (details) shows.
    QString statusText(int panel) const;
    // The tolerance of the automatic selection, in pixels.
    void setTolerance(int pixels) { tolerance_ = pixels; }

    // --- menu commands ---
    void openFolder();
    void selectBySample();
    void invertSelection();
    void openSplitDialog();
    void openBookDialog();
    void openRenameDialog();
    void openSettingsDialog();
    void showVersion();
    void exitProgram();
    // Enter or a double-click: the current item in the trimming view.
    void openTrimmingView();

    // --- thumbnail loading ---
    // Empties the catalogue, sizes the thumbnails and loads `fileNames` of
    // `folder`, one per tick of loadingTimer.
    void beginLoading(const QString& folder, const QStringList& fileNames, int thumbnailSide,
                      bool slowReading);
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
    // Fires once after creation, for the start-up step.
    QTimer* startUpTimer = nullptr;

    QMenu* fileMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* bookAction = nullptr;
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
    // The start-up step is due: the window has its frame and the event
    // loop runs.
    void startUpDue();
    void openFolderRequested();
    void splitRequested();
    // File > Bind into a book: the pages of the open folder into one file.
    void bookRequested();
    void renameRequested();
    void settingsRequested();
    void trimmingRequested();
    void exitRequested();
    // The main window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildStatusBar();
    void setStatusText(int panel, const QString& text);
    // Selection: panel texts for the current item, or nothing current.
    void showCurrentItem();
    void clearCurrentItem();
    // Notes the captions of newly added items, so that an edit in place can be undone.
    void rememberCaptions(int first, int last);

    // The view follows the model: a renamed file, a selection the model
    // changed (focusing `focus` when not -1).
    void showRenamed(int index);
    void followSelection(int focus);
    // The model follows the list's own selection changes.
    void takeListSelection(const QItemSelection& selected, const QItemSelection& deselected);

    // Thumbnail loading: the end of a loading, in `phase` (`fileGone`: a
    // file went missing).
    void endLoading(model::LoadingState::Phase phase, bool fileGone = false);

    model::CatalogueModel& catalogue_;
    NoticeBox& notices_;
    CatalogueList* catalogueList_ = nullptr;
    int tolerance_ = 0;

    // The thumbnails of the loading in progress, read ahead off the
    // window's thread, and the file names it loads.
    catalogue::ThumbnailQueue* readAhead_ = nullptr;
    // Files of the last loading that could not be read.
    QStringList unreadable_;

    // Caption of the item under the last mouse press in the list.
    QString pressedCaption_;
    // The view is changing the list as the model says: the list's own
    // change handlers leave the model alone.
    bool followingModel_ = false;
};
