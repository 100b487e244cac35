#pragma once

#include "core/WindowPorts.h"
#include "imaging/Expected.h"

#include <QMainWindow>
#include <QStringList>

class CatalogueList;
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
    QListWidget& catalogueList() override;
    QString statusText(int panel) const override;
    void setStatusText(int panel, const QString& text) override;
    int thumbnailCount() const override;
    void openTrimmingView() override;
    void beginLoading(int thumbnailSize, int fileCount) override;
    void showRenamed(int index, const QString& newName) override;

    // While thumbnails load, every command of the window is inert.
    bool isBusy() const;

    // --- start-up and exit ---
    void FormCreate();
    void Timer2Timer();
    // Writes Quillfold.ini into the start folder; when it cannot, the
    // previous file stays as it was.
    imaging::Status saveSettings();
    SettingsRecord currentSettings() const;
    void SyuuRyouClick();

    // --- menu commands ---
    void Folder1Click();
    void G1Click();
    void HANTENClick();
    void IkkatuClick();
    void KobetuClick();
    void SetteiClick();
    void VERSIONClick();

    // --- thumbnail loading ---
    void Timer1Timer();
    void abortLoading();

    // --- selection ---
    void ListView1MouseDown(QPoint position);
    void ListView1KeyUp(int key, Qt::KeyboardModifiers modifiers);
    void ListView1Changing(QListWidgetItem* item);

    CatalogueList* List = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    QMenu* Open1 = nullptr;
    QAction* Folder1 = nullptr;
    QAction* SyuuRyou = nullptr;
    QMenu* Riname = nullptr;
    QAction* G1 = nullptr;
    QAction* HANTEN = nullptr;
    QAction* Ikkatu = nullptr;
    QAction* Kobetu = nullptr;
    QMenu* Hyouzi = nullptr;
    QAction* Settei = nullptr;
    QMenu* N1 = nullptr;
    QAction* VERSION = nullptr;

signals:
    // The main window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildStatusBar();
    void applySettingsNumber(int line, int32_t value);
    void applySettingsTexts(const SettingsParse& parsed);
    void closeOtherWindows();
    // A failed save at exit: the notice box says so, and its OK (or any
    // further close) ends the program.
    void tellSettingsNotSaved(const imaging::ImageError& error);
    // Selection: panel texts for the current item, or nothing current.
    void showCurrentItem();
    void clearCurrentItem();
    // Notes the captions of newly added items, so that an edit in place can be undone.
    void rememberCaptions(int first, int last);

    // Thumbnail loading: the end of a loading, with panel 0's text.
    void endLoading(const QString& panel0Text);

    AppState& state_;
    Windows& windows_;
    // The files of the loading in progress, read ahead off the window's thread.
    catalogue::ThumbnailQueue* loading_ = nullptr;
    // Files of the last loading that could not be read.
    QStringList unreadable_;
    // The settings could not be saved at exit and the user has been told:
    // the next close ends the program without trying again.
    bool settingsNoticeShown_ = false;
};
