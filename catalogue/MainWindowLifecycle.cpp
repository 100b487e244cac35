// Start-up, settings file and exit of the main window.
#include "catalogue/MainWindow.h"

#include "core/AppState.h"
#include "core/FormLook.h"
#include "core/NumberEdit.h"
#include "core/SettingsRecord.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "imaging/FileCommit.h"
#include "imaging/FileNames.h"
#include "split/SplitDialog.h"
#include "trimming/TrimmingView.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
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

// The six option boxes of lines 19 to 24.
std::array<QLineEdit*, 6> optionBoxes(const Windows& w) {
    return {w.splitDialog->Edit2, w.splitDialog->Edit3,    w.splitDialog->Edit4,
            w.splitDialog->Edit5, w.settingsDialog->Edit1, w.settingsDialog->Edit2};
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
    const auto boxes = optionBoxes(windows_);
    for (size_t i = 0; i < boxes.size(); ++i) {
        state_.WorkText = parsed.texts[i];
        // Runs the box's change handling, as typing would.
        boxes[i]->setText(state_.WorkText);
    }
    state_.WorkText = parsed.texts[6];
    if (isFolder(state_.WorkText)) {
        windows_.openFolderDialog->selectFolder(state_.WorkText);
        state_.DefaultOpenFolder = state_.WorkText;
    }
    state_.WorkText = parsed.texts[7];
    if (isFolder(state_.WorkText)) {
        windows_.folderChooser->selectFolder(state_.WorkText);
        windows_.splitDialog->Edit1->setText(state_.WorkText);
        state_.DefaultSaveFolder = state_.WorkText;
    }
}

void MainWindow::Timer2Timer() {
    // The designed outer size, now that the window's frame is known.
    if (isVisible() && !isMaximized())
        resizeOuter(*this, kDesignedWidth, kDesignedHeight);
    state_.StartFolder = imaging::currentFolderPath();
    QFile file(kSettingsName);
    if (QFileInfo(kSettingsName).isFile() && file.open(QIODevice::ReadOnly)) {
        const SettingsParse parsed = parseSettings(file.readAll());
        file.close();
        for (size_t i = 0; i < parsed.numbers.size(); ++i) {
            state_.CurrentIndex = parsed.numbers[i];
            applySettingsNumber(static_cast<int>(i) + 1, state_.CurrentIndex);
        }
        if (parsed.complete()) {
            applySettingsTexts(parsed);
        } else {
            // The values before the damaged line stay; the rest keep their
            // designed values and the file is rewritten at exit.
            windows_.noticeBox->notify(NoticeBox::ReturnTo::MainWindow, this,
                                       QStringLiteral("設定ファイルが壊れています"),
                                       QStringLiteral("%1 の %2 行目以降は読み込みません")
                                           .arg(kSettingsName)
                                           .arg(*parsed.badLine));
        }
    }
    state_.CurrentIndex = -1;
    if (QFileInfo(kSoundName).isFile()) {
        windows_.splitDialog->openCompletionSound(QStringLiteral("./") + kSoundName);
    }
    Timer2->stop();
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
    const auto boxes = optionBoxes(windows_);
    for (size_t i = 0; i < boxes.size(); ++i)
        record.texts[i] = boxes[i]->text();
    record.texts[6] = state_.DefaultOpenFolder;
    record.texts[7] = state_.DefaultSaveFolder;
    return record;
}

imaging::Status MainWindow::saveSettings() {
    // Written beside a temporary name and renamed into place: a failed save
    // leaves the previous settings file as it was.
    const QString folder =
        state_.StartFolder.isEmpty() ? imaging::currentFolderPath() : state_.StartFolder;
    return imaging::commitFile(imaging::joinPath(folder, kSettingsName),
                               formatSettings(currentSettings()));
}

void MainWindow::closeOtherWindows() {
    closeWindow(*windows_.trimmingView);
    closeWindow(*windows_.noticeBox);
    closeWindow(*windows_.settingsDialog);
    closeWindow(*windows_.renameDialog);
    closeWindow(*windows_.splitDialog);
    closeWindow(*windows_.openFolderDialog);
}

void MainWindow::tellSettingsNotSaved(const imaging::ImageError& error) {
    // The program is ending: nothing may take the notice box over meanwhile.
    abortLoading();
    windows_.splitDialog->stopBatch();
    settingsNoticeShown_ = true;
    windows_.noticeBox->notify(NoticeBox::ReturnTo::ProgramEnd, this,
                               QStringLiteral("設定を保存できません"), error.message);
}

void MainWindow::SyuuRyouClick() {
    if (isBusy())
        return;
    const auto saved = saveSettings();
    state_.ExitRequested = 1;
    closeOtherWindows();
    if (!saved) {
        tellSettingsNotSaved(saved.error());
        return;
    }
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (state_.ExitRequested != 1 && !settingsNoticeShown_) {
        const auto saved = saveSettings();
        closeOtherWindows();
        if (!saved) {
            // The program ends with the notice's OK, or with the next close.
            tellSettingsNotSaved(saved.error());
            event->ignore();
            return;
        }
    }
    Timer1->stop();
    Timer2->stop();
    event->accept();
    emit closed();
}
