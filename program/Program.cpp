#include "program/Program.h"

#include "book/BookDialog.h"
#include "catalogue/MainWindow.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "imaging/FileNames.h"
#include "model/AutoSelect.h"
#include "model/FolderListing.h"
#include "model/SettingsTable.h"
#include "model/ThumbnailSide.h"
#include "split/FindingsLookup.h"
#include "split/SplitDialog.h"
#include "trimming/TrimmingView.h"
#include "widgets/FormLook.h"
#include "widgets/ModalFlow.h"

#include <QCloseEvent>
#include <QFileInfo>

namespace {

const QString kSettingsName = QStringLiteral("Quillfold.ini");
const QString kSoundName = QStringLiteral("KANRYOU.WAV");

void place(QWidget& window, const model::WindowPlace& where) {
    placeWindow(window, where.left, where.top);
}

model::WindowPlace placeOf(const QWidget& window) {
    return {windowTop(window), windowLeft(window)};
}

// Closes a window through its own close handling; windows that refuse to
// close (they have no close button) are hidden.
void closeWindow(QWidget& window) {
    if (!window.close())
        window.hide();
}

}  // namespace

Program::Program() {
    noticeBox_ = std::make_unique<NoticeBox>();
    folderChooser_ = std::make_unique<FolderChooser>(*noticeBox_);
    openFolderDialog_ = std::make_unique<OpenFolderDialog>(*noticeBox_);
    settingsDialog_ = std::make_unique<SettingsDialog>(*noticeBox_);
    renameDialog_ = std::make_unique<RenameDialog>(catalogue_, *noticeBox_);
    trimmingView_ = std::make_unique<TrimmingView>();
    splitDialog_ = std::make_unique<SplitDialog>(catalogue_, *noticeBox_, *folderChooser_);
    findings_ = std::make_unique<split::FindingsLookup>();
    bookDialog_ = std::make_unique<BookDialog>(*noticeBox_);
    mainWindow_ = std::make_unique<MainWindow>(catalogue_, *noticeBox_);

    wireCatalogue();
    wireDialogs();
    wireTrimming();
    // The designed places and texts, before the settings file changes them.
    applySettings(settings_);
}

Program::~Program() = default;

void Program::wireCatalogue() {
    MainWindow& main = *mainWindow_;
    main.installEventFilter(this);
    connect(&main, &MainWindow::startUpDue, this, &Program::startUp);
    connect(&main, &MainWindow::exitRequested, this, &Program::exitProgram);
    connect(&main, &MainWindow::openFolderRequested, this, [this] {
        disableUntilClosed(*mainWindow_, *openFolderDialog_, &OpenFolderDialog::closed);
        openFolderDialog_->open();
    });
    connect(openFolderDialog_.get(), &OpenFolderDialog::folderChosen, this, &Program::loadFolder);
    connect(&main, &MainWindow::splitRequested, this, [this] {
        disableUntilClosed(*mainWindow_, *splitDialog_, &SplitDialog::closed);
        splitDialog_->open();
    });
    connect(&main, &MainWindow::bookRequested, this, [this] {
        if (catalogue_.folder().isEmpty()) {
            noticeBox_->notify(mainWindow_.get(), tr("Open a folder of pages first"));
            return;
        }
        // A book split right to left (the Japanese way) reads right to left.
        const bool rightToLeft = splitDialog_->options().direction == split::SplitDirection::Left;
        disableUntilClosed(*mainWindow_, *bookDialog_, &BookDialog::closed);
        bookDialog_->open(catalogue_.folder(), rightToLeft ? book::Direction::RightToLeft
                                                           : book::Direction::LeftToRight);
    });
    connect(&main, &MainWindow::renameRequested, this, [this] {
        disableUntilClosed(*mainWindow_, *renameDialog_, &RenameDialog::closed,
                           [this] { mainWindow_->activateWindow(); });
        renameDialog_->open();
    });
    connect(&main, &MainWindow::settingsRequested, this, [this] {
        disableUntilClosed(*mainWindow_, *settingsDialog_, &SettingsDialog::closed);
        settingsDialog_->open();
    });
}

void Program::wireDialogs() {
    connect(openFolderDialog_.get(), &OpenFolderDialog::defaultFolderChosen, this,
            [this](const QString& folder) { settings_.defaultOpenFolder = folder; });
    connect(folderChooser_.get(), &FolderChooser::defaultFolderChosen, this,
            [this](const QString& folder) { settings_.defaultSaveFolder = folder; });
    connect(splitDialog_.get(), &SplitDialog::boxesChanged, this,
            [this](const model::SplitBoxes& boxes) { settings_.splitBoxes = boxes; });
    connect(splitDialog_.get(), &SplitDialog::addedOptionsChanged, this,
            [this](const model::AddedOptions& added) { settings_.added = added; });
    connect(settingsDialog_.get(), &SettingsDialog::textsChanged, this,
            [this](const QString& thumbnailSize, const QString& tolerance) {
                settings_.thumbnailSize = thumbnailSize;
                settings_.tolerance = tolerance;
                mainWindow_->setTolerance(model::toleranceFromText(tolerance));
            });
}

void Program::wireTrimming() {
    connect(mainWindow_.get(), &MainWindow::trimmingRequested, this, [this] {
        if (const core::Status shown = trimmingView_->showItems(catalogue_); !shown) {
            noticeBox_->notify(mainWindow_.get(), shown.error().message);
            return;
        }
        disableUntilClosed(*mainWindow_, *trimmingView_, &TrimmingView::closed);
    });
    connect(openFolderDialog_.get(), &OpenFolderDialog::previewRequested, this, [this] {
        if (const core::Status shown = trimmingView_->showPreview(openFolderDialog_->listing());
            !shown) {
            noticeBox_->notify(openFolderDialog_.get(), shown.error().message);
            return;
        }
        disableUntilClosed(*openFolderDialog_, *trimmingView_, &TrimmingView::closed);
    });
    // G in the view: the gutter and slant the split would find, measured
    // with the split dialog's direction and cap.
    connect(trimmingView_.get(), &TrimmingView::findingsRequested, this,
            [this](const QString& path, const QString& fileName) {
                findings_->lookUp(split::SplitItem{path, fileName, true}, splitDialog_->options());
            });
    connect(findings_.get(), &split::FindingsLookup::found, trimmingView_.get(),
            &TrimmingView::showFindings);
    // A picture the view stepped to cannot be shown: once the user has
    // read why, the view closes.
    connect(trimmingView_.get(), &TrimmingView::stepFailed, this, [this](const QString& reason) {
        QWidget* opener = trimmingView_->mode() == TrimmingView::Mode::Preview
                              ? static_cast<QWidget*>(openFolderDialog_.get())
                              : mainWindow_.get();
        noticeBox_->notify(opener, reason, std::nullopt, [this] {
            if (trimmingView_->isVisible())
                trimmingView_->closeView();
        });
    });
}

void Program::applySettings(const model::Settings& settings) {
    MainWindow& main = *mainWindow_;
    placeWindow(main, settings.mainWindow.left, settings.mainWindow.top);
    resizeOuter(main, settings.mainWindow.width, settings.mainWindow.height);
    place(*openFolderDialog_, settings.openFolderDialog);
    place(*splitDialog_, settings.splitDialog);
    place(*renameDialog_, settings.renameDialog);
    place(*settingsDialog_, settings.settingsDialog);
    place(*noticeBox_, settings.noticeBox);
    place(*trimmingView_, settings.trimmingView);
    place(*folderChooser_, settings.folderChooser);
    // The dialogs report what their boxes make of the texts.
    splitDialog_->setBoxes(settings.splitBoxes);
    settingsDialog_->setTexts(settings.thumbnailSize, settings.tolerance);
    if (!settings.defaultOpenFolder.isEmpty()) {
        openFolderDialog_->selectFolder(settings.defaultOpenFolder);
    }
    if (!settings.defaultSaveFolder.isEmpty()) {
        folderChooser_->selectFolder(settings.defaultSaveFolder);
        splitDialog_->setDestination(settings.defaultSaveFolder);
    }
    settings_.splitBoxes = settings.splitBoxes;
    settings_.thumbnailSize = settings.thumbnailSize;
    settings_.tolerance = settings.tolerance;
    settings_.defaultOpenFolder = settings.defaultOpenFolder;
    settings_.defaultSaveFolder = settings.defaultSaveFolder;
    mainWindow_->setTolerance(model::toleranceFromText(settings.tolerance));
}

void Program::startUp() {
    MainWindow& main = *mainWindow_;
    // The designed outer size, now that the window's frame is known.
    if (main.isVisible() && !main.isMaximized()) {
        resizeOuter(main, settings_.mainWindow.width, settings_.mainWindow.height);
    }
    settingsFolder_ = imaging::currentFolderPath();
    settingsFile_ = SettingsFile::read(imaging::joinPath(settingsFolder_, kSettingsName));
    if (const std::optional<SettingsParse>& parsed = settingsFile_.parsed()) {
        const model::SettingsReading reading = model::settingsFrom(*parsed, currentSettings());
        applySettings(reading.settings);
        if (reading.badLine) {
            // The values before the damaged line stay; the rest keep their
            // designed values and the file is rewritten at exit.
            noticeBox_->notify(
                &main, tr("The settings file is damaged"),
                tr("%1 is read up to line %2 only").arg(kSettingsName).arg(*reading.badLine));
        }
    } else if (settingsFile_.found() == SettingsFile::Found::Foreign) {
        noticeBox_->notify(
            &main, tr("The settings file cannot be read"),
            tr("%1 is no settings file: at exit it is kept as %2")
                .arg(kSettingsName, QFileInfo(settingsFile_.keptAsidePath()).fileName()));
    }
    readAddedOptions();
    if (QFileInfo(kSoundName).isFile()) {
        splitDialog_->openCompletionSound(QStringLiteral("./") + kSoundName);
    }
    if (!folderAtStart_.isEmpty()) {
        openFolder(folderAtStart_);
    }
}

void Program::readAddedOptions() {
    const QString path = imaging::joinPath(settingsFolder_, model::kAddedOptionsFileName);
    const model::AddedOptionsReading reading = model::readAddedOptions(path);
    addedOptionsFound_ = reading.found;
    settings_.added = reading.options;
    splitDialog_->setAddedOptions(reading.options);
    // A notice about Quillfold.ini, already shown, comes first.
    if (reading.found == model::AddedOptionsFound::Unreadable && !noticeBox_->isVisible()) {
        noticeBox_->notify(
            mainWindow_.get(), tr("The added options cannot be read"),
            tr("%1: %2; it is left as it is")
                .arg(QString::fromLatin1(model::kAddedOptionsFileName), reading.reason));
    }
}

void Program::openFolder(const QString& folder) {
    MainWindow& main = *mainWindow_;
    if (!QFileInfo(folder).isDir()) {
        noticeBox_->notify(&main, tr("The folder cannot be found"), folder);
        return;
    }
    // The open-folder dialog starts there too.
    openFolderDialog_->selectFolder(folder);
    const QStringList names = model::listPictureFiles(folder);
    if (names.size() > OpenFolderDialog::kMaxFiles) {
        noticeBox_->notify(&main, OpenFolderDialog::tooManyFilesText());
        return;
    }
    if (names.isEmpty()) {
        noticeBox_->notify(&main, tr("The folder holds no JPEG or BMP file"), folder);
        return;
    }
    loadFolder(folder, names, false);
}

void Program::loadFolder(const QString& folder, const QStringList& fileNames, bool slowReading) {
    trimmingView_->startFrameAnew();
    mainWindow_->beginLoading(folder, fileNames, model::thumbnailSideOf(settings_.thumbnailSize),
                              slowReading);
}

model::Settings Program::currentSettings() const {
    model::Settings current = settings_;
    const MainWindow& main = *mainWindow_;
    current.mainWindow = {windowTop(main), windowLeft(main), windowOuterWidth(main),
                          windowOuterHeight(main)};
    current.openFolderDialog = placeOf(*openFolderDialog_);
    current.splitDialog = placeOf(*splitDialog_);
    current.renameDialog = placeOf(*renameDialog_);
    current.settingsDialog = placeOf(*settingsDialog_);
    current.noticeBox = placeOf(*noticeBox_);
    current.trimmingView = placeOf(*trimmingView_);
    current.folderChooser = placeOf(*folderChooser_);
    return current;
}

core::Status Program::saveSettings() {
    // Written beside a temporary name and renamed into place: a failed save
    // leaves the previous settings file as it was.
    const QString folder =
        settingsFolder_.isEmpty() ? imaging::currentFolderPath() : settingsFolder_;
    const QString path = imaging::joinPath(folder, kSettingsName);
    const SettingsFile file = settingsFile_.path() == path ? settingsFile_ : SettingsFile(path);
    const core::Status saved = file.write(model::formatSettings(currentSettings()));
    if (!saved)
        return saved;
    return model::saveAddedOptions(imaging::joinPath(folder, model::kAddedOptionsFileName),
                                   settings_.added, addedOptionsFound_);
}

void Program::closeOtherWindows() {
    closeWindow(*trimmingView_);
    closeWindow(*noticeBox_);
    closeWindow(*settingsDialog_);
    closeWindow(*renameDialog_);
    closeWindow(*splitDialog_);
    closeWindow(*bookDialog_);
    bookDialog_->stopBinding();
    closeWindow(*openFolderDialog_);
}

void Program::tellSettingsNotSaved(const core::Error& error) {
    // The program is ending: nothing may take the notice box over meanwhile.
    mainWindow_->abortLoading();
    splitDialog_->stopBatch();
    bookDialog_->stopBinding();
    settingsNoticeShown_ = true;
    noticeBox_->notify(mainWindow_.get(), tr("The settings cannot be saved"), error.message,
                       [this] { mainWindow_->close(); });
}

void Program::exitProgram() {
    const core::Status saved = saveSettings();
    exitRequested_ = true;
    closeOtherWindows();
    if (!saved) {
        tellSettingsNotSaved(saved.error());
        return;
    }
    mainWindow_->close();
}

bool Program::mainWindowMayClose() {
    if (exitRequested_ || settingsNoticeShown_) {
        return true;
    }
    const core::Status saved = saveSettings();
    closeOtherWindows();
    if (!saved) {
        // The program ends with the notice's OK, or with the next close.
        tellSettingsNotSaved(saved.error());
        return false;
    }
    return true;
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_.get() && event->type() == QEvent::Close && !mainWindowMayClose()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
