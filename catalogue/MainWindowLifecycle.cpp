// Start-up, settings file and exit of the main window.
#include "catalogue/MainWindow.h"

#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "imaging/FileNames.h"
#include "model/SettingsFile.h"
#include "model/SettingsRecord.h"
#include "split/SplitDialog.h"
#include "trimming/TrimmingView.h"
#include "widgets/AppState.h"
#include "widgets/FormLook.h"
#include "widgets/NumberEdit.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QTimer>

#include <array>

namespace {

const QString kSettingsName = QStringLiteral("Quillfold.ini");
const QString kSoundName = QStringLiteral("KANRYOU.WAV");

// Windows 2 to 8, whose top and left the settings keep, in class order.
std::array<QWidget*, 7> placedWindows(const Windows& w) {
    return {w.openFolderDialog, w.splitDialog,  w.renameDialog, w.settingsDialog,
            w.noticeBox,        w.trimmingView, w.folderChooser};
}

bool isFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

// Closes a window through its own close handling; windows that refuse to
// close (they have no close button) are hidden.
void closeWindow(QWidget& window) {
    if (!window.close())
        window.hide();
}

}  // namespace

void MainWindow::applySettingsNumber(int line, int32_t value) {
    // Lines 1-4: the main window's top, left, width, height; then top and
    // left of windows 2 to 8.
    if (line <= 4) {
        switch (line) {
            case 1:
                placeWindow(*this, windowLeft(*this), value);
                break;
            case 2:
                placeWindow(*this, value, windowTop(*this));
                break;
            case 3:
                resizeOuter(*this, value, windowOuterHeight(*this));
                break;
            default:
                resizeOuter(*this, windowOuterWidth(*this), value);
                break;
        }
        return;
    }
    QWidget& target = *placedWindows(windows_)[static_cast<size_t>((line - 5) / 2)];
    if ((line - 5) % 2 == 0) {
        placeWindow(target, windowLeft(target), value);
    } else {
        placeWindow(target, value, windowTop(target));
    }
}

void MainWindow::applySettingsTexts(const SettingsParse& parsed) {
    windows_.splitDialog->setOptionTexts({.quality = parsed.texts[0],
                                          .threshold = parsed.texts[1],
                                          .keptMargin = parsed.texts[2],
                                          .centreWidth = parsed.texts[3]});
    windows_.settingsDialog->setOptionTexts({parsed.texts[4], parsed.texts[5]});
    const QString& openFolder = parsed.texts[6];
    if (isFolder(openFolder)) {
        windows_.openFolderDialog->selectFolder(openFolder);
        state_.DefaultOpenFolder = openFolder;
    }
    const QString& saveFolder = parsed.texts[7];
    if (isFolder(saveFolder)) {
        windows_.folderChooser->selectFolder(saveFolder);
        windows_.splitDialog->setDestination(saveFolder);
        state_.DefaultSaveFolder = saveFolder;
    }
}

void MainWindow::readSettings() {
    // The designed outer size, now that the window's frame is known.
    if (isVisible() && !isMaximized())
        resizeOuter(*this, kDesignedWidth, kDesignedHeight);
    settingsFolder_ = imaging::currentFolderPath();
    settingsFile_ = SettingsFile::read(imaging::joinPath(settingsFolder_, kSettingsName));
    if (const std::optional<SettingsParse>& parsed = settingsFile_.parsed()) {
        for (size_t i = 0; i < parsed->numbers.size(); ++i)
            applySettingsNumber(static_cast<int>(i) + 1, parsed->numbers[i]);
        if (parsed->complete()) {
            applySettingsTexts(*parsed);
        } else {
            // The values before the damaged line stay; the rest keep their
            // designed values and the file is rewritten at exit.
            windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this,
                                       QStringLiteral("設定ファイルが壊れています"),
                                       QStringLiteral("%1 の %2 行目以降は読み込みません")
                                           .arg(kSettingsName)
                                           .arg(*parsed->badLine));
        }
    } else if (settingsFile_.found() == SettingsFile::Found::Foreign) {
        windows_.noticeBox->notify(
            NoticeBox::ReturnTo::MainWindow, this, QStringLiteral("設定ファイルを読めません"),
            QStringLiteral("%1 は設定ファイルではないため、終了時に %2 として残します")
                .arg(kSettingsName, QFileInfo(settingsFile_.keptAsidePath()).fileName()));
    }
    if (QFileInfo(kSoundName).isFile()) {
        windows_.splitDialog->openCompletionSound(QStringLiteral("./") + kSoundName);
    }
    startUpTimer->stop();
}

SettingsRecord MainWindow::currentSettings() const {
    SettingsRecord record;
    record.numbers[0] = windowTop(*this);
    record.numbers[1] = windowLeft(*this);
    record.numbers[2] = windowOuterWidth(*this);
    record.numbers[3] = windowOuterHeight(*this);
    size_t n = 4;
    for (QWidget* window : placedWindows(windows_)) {
        record.numbers[n++] = windowTop(*window);
        record.numbers[n++] = windowLeft(*window);
    }
    const SplitDialog::OptionTexts splitTexts = windows_.splitDialog->optionTexts();
    record.texts[0] = splitTexts.quality;
    record.texts[1] = splitTexts.threshold;
    record.texts[2] = splitTexts.keptMargin;
    record.texts[3] = splitTexts.centreWidth;
    const SettingsDialog::OptionTexts settingsTexts = windows_.settingsDialog->optionTexts();
    record.texts[4] = settingsTexts.thumbnailSize;
    record.texts[5] = settingsTexts.tolerance;
    record.texts[6] = state_.DefaultOpenFolder;
    record.texts[7] = state_.DefaultSaveFolder;
    return record;
}

core::Status MainWindow::saveSettings() {
    // Written beside a temporary name and renamed into place: a failed save
    // leaves the previous settings file as it was.
    const QString folder =
        settingsFolder_.isEmpty() ? imaging::currentFolderPath() : settingsFolder_;
    const QString path = imaging::joinPath(folder, kSettingsName);
    const SettingsFile file = settingsFile_.path() == path ? settingsFile_ : SettingsFile(path);
    return file.write(formatSettings(currentSettings()));
}

void MainWindow::closeOtherWindows() {
    closeWindow(*windows_.trimmingView);
    closeWindow(*windows_.noticeBox);
    closeWindow(*windows_.settingsDialog);
    closeWindow(*windows_.renameDialog);
    closeWindow(*windows_.splitDialog);
    closeWindow(*windows_.openFolderDialog);
}

void MainWindow::tellSettingsNotSaved(const core::Error& error) {
    // The program is ending: nothing may take the notice box over meanwhile.
    abortLoading();
    windows_.splitDialog->stopBatch();
    settingsNoticeShown_ = true;
    windows_.noticeBox->notify(NoticeBox::ReturnTo::ProgramEnd, this,
                               QStringLiteral("設定を保存できません"), error.message);
}

void MainWindow::exitProgram() {
    if (isBusy())
        return;
    const auto saved = saveSettings();
    exitRequested_ = true;
    closeOtherWindows();
    if (!saved) {
        tellSettingsNotSaved(saved.error());
        return;
    }
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exitRequested_ && !settingsNoticeShown_) {
        const auto saved = saveSettings();
        closeOtherWindows();
        if (!saved) {
            // The program ends with the notice's OK, or with the next close.
            tellSettingsNotSaved(saved.error());
            event->ignore();
            return;
        }
    }
    loadingTimer->stop();
    startUpTimer->stop();
    event->accept();
    emit closed();
}
