#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "dialogs/NoticeBox.h"
#include "model/CatalogueModel.h"
#include "model/Settings.h"
#include "widgets/FormLook.h"
#include "widgets/Hints.h"

#include <QAction>
#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

MainWindow::MainWindow(model::CatalogueModel& catalogue, NoticeBox& notices)
    : catalogue_(catalogue), notices_(notices) {
    setObjectAndAccessibleName(*this, QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillfold"));
    applyFormFont(*this);
    const model::MainWindowPlace designed;
    resize(designed.width, designed.height);
    placeWindow(*this, designed.left, designed.top);

    catalogueList_ = named(new CatalogueList(this), QStringLiteral("ListView1"), tr("Thumbnails"));
    setCentralWidget(catalogueList_);
    buildMenu();
    buildStatusBar();

    loadingTimer = new QTimer(this);
    loadingTimer->setObjectName(QStringLiteral("Timer1"));
    loadingTimer->setInterval(10);
    connect(loadingTimer, &QTimer::timeout, this, &MainWindow::loadNextFile);
    startUpTimer = new QTimer(this);
    startUpTimer->setObjectName(QStringLiteral("Timer2"));
    startUpTimer->setInterval(100);
    connect(startUpTimer, &QTimer::timeout, this, [this] {
        startUpTimer->stop();
        emit startUpDue();
    });

    connect(catalogueList_, &CatalogueList::pressed, this, &MainWindow::takeCurrentFromPress);
    connect(catalogueList_, &CatalogueList::keyReleased, this, &MainWindow::takeCurrentFromKeys);
    connect(catalogueList_, &QListWidget::itemChanged, this, &MainWindow::undoEditInPlace);
    connect(catalogueList_->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rememberCaptions(first, last); });
    connect(catalogueList_, &QListWidget::itemDoubleClicked, this, [this] { openTrimmingView(); });
    // Enter opens it too, on the item the key release made current, so
    // the whole job can be done from the keyboard.
    connect(catalogueList_, &CatalogueList::enterReleased, this, [this] { openTrimmingView(); });
    connect(catalogueList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::takeListSelection);
    connect(&catalogue_, &model::CatalogueModel::selectionChanged, this,
            &MainWindow::followSelection);
    connect(&catalogue_, &model::CatalogueModel::fileRenamed, this, &MainWindow::showRenamed);

    // Owned by the window; installs the program-wide hint times.
    new HintTimes(this);
    startUpTimer->start();
}

namespace {
// "(&F)" after a menu caption.
const QRegularExpression kAccessKeyMark(QStringLiteral("\\(&.\\)"));
}  // namespace

void MainWindow::buildMenu() {
    struct Command {
        QAction** action;
        const char* objectName;
        const char* caption;
        Qt::Key shortcut;
        void (MainWindow::*handler)();
    };
    auto addMenu = [this](QMenu** menu, const char* objectName, const char* caption,
                          std::initializer_list<Command> commands) {
        const QString title = tr(caption);
        *menu = menuBar()->addMenu(title);
        (*menu)->setObjectName(QString::fromLatin1(objectName));
        // An open menu is announced by its title, without the access key.
        (*menu)->setWindowTitle(QString(title).remove(kAccessKeyMark).remove(QLatin1Char('&')));
        for (const Command& command : commands) {
            QAction* action = (*menu)->addAction(tr(command.caption));
            action->setObjectName(QString::fromLatin1(command.objectName));
            if (command.shortcut != Qt::Key_unknown) {
                // Plain letters, active while the main window has the focus.
                action->setShortcut(QKeySequence(command.shortcut));
                action->setShortcutContext(Qt::WindowShortcut);
            }
            connect(action, &QAction::triggered, this, command.handler);
            *command.action = action;
        }
    };
    // Each menu and action keeps its designer name as its object name.
    addMenu(&fileMenu, /*objectName=*/"Open1", QT_TR_NOOP("&File"),
            {{&openAction, /*objectName=*/"Folder1", QT_TR_NOOP("&Open"), Qt::Key_O,
              &MainWindow::openFolder},
             {&bookAction, /*objectName=*/"BookAction", QT_TR_NOOP("&Bind into a book..."),
              Qt::Key_unknown, &MainWindow::openBookDialog},
             {&exitAction, /*objectName=*/"SyuuRyou", QT_TR_NOOP("E&xit"), Qt::Key_X,
              &MainWindow::exitProgram}});
    addMenu(&editMenu, /*objectName=*/"Riname", QT_TR_NOOP("&Edit"),
            {{&autoSelectAction, /*objectName=*/"G1", QT_TR_NOOP("Auto-select by si&ze"), Qt::Key_G,
              &MainWindow::selectBySample},
             {&invertSelectionAction, /*objectName=*/"HANTEN", QT_TR_NOOP("&Invert selection"),
              Qt::Key_H, &MainWindow::invertSelection},
             {&splitAction, /*objectName=*/"Ikkatu", QT_TR_NOOP("&Split"), Qt::Key_B,
              &MainWindow::openSplitDialog},
             {&renameAction, /*objectName=*/"Kobetu", QT_TR_NOOP("&Rename"), Qt::Key_R,
              &MainWindow::openRenameDialog}});
    addMenu(&toolsMenu, /*objectName=*/"Hyouzi", QT_TR_NOOP("&Tools"),
            {{&settingsAction, /*objectName=*/"Settei", QT_TR_NOOP("&Settings"), Qt::Key_C,
              &MainWindow::openSettingsDialog}});
    addMenu(&helpMenu, /*objectName=*/"N1", QT_TR_NOOP("&Help"),
            {{&versionAction, /*objectName=*/"VERSION", QT_TR_NOOP("&About Quillfold"),
              Qt::Key_unknown, &MainWindow::showVersion}});
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    setObjectAndAccessibleName(*bar, QStringLiteral("StatusBar1"), tr("Status bar"));
    bar->setSizeGripEnabled(true);
    loadStatePanel = named(new QLabel(bar), QStringLiteral("StatusPanel0"));
    loadStatePanel->setFixedWidth(80);
    loadStatePanel->setAlignment(Qt::AlignCenter);
    loadStatePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    detailPanel = named(new QLabel(bar), QStringLiteral("StatusPanel1"));
    detailPanel->setMinimumWidth(120);
    detailPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(loadStatePanel);
    // The last panel takes the rest of the bar, so long file names stay readable.
    bar->addWidget(detailPanel, 1);
}

QString MainWindow::statusText(int panel) const {
    return panel == 0 ? loadStatePanel->text() : detailPanel->text();
}

void MainWindow::setStatusText(int panel, const QString& text) {
    (panel == 0 ? loadStatePanel : detailPanel)->setText(text);
}

bool MainWindow::isBusy() const {
    return catalogue_.busy();
}

void MainWindow::openFolder() {
    if (!isBusy())
        emit openFolderRequested();
}

void MainWindow::openSplitDialog() {
    if (!isBusy() && catalogue_.selectedCount() > 0)
        emit splitRequested();
}

void MainWindow::openBookDialog() {
    if (!isBusy())
        emit bookRequested();
}

void MainWindow::openRenameDialog() {
    const int current = catalogue_.current();
    if (current != -1 && !isBusy() && current < catalogue_.count())
        emit renameRequested();
}

void MainWindow::openSettingsDialog() {
    if (!isBusy())
        emit settingsRequested();
}

void MainWindow::openTrimmingView() {
    const int current = catalogue_.current();
    if (!isBusy() && catalogue_.lowestSelected() >= 0 && current >= 0 &&
        current < catalogue_.count())
        emit trimmingRequested();
}

void MainWindow::exitProgram() {
    if (!isBusy())
        emit exitRequested();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    loadingTimer->stop();
    startUpTimer->stop();
    event->accept();
    emit closed();
}

void MainWindow::showVersion() {
    if (isBusy())
        return;
    notices_.notify(
        this, QStringLiteral("Quillfold Ver1.5"),
        QStringLiteral(
            "(C) 2026 Quillfold developers\nMIT License\nhttps://github.com/quillfold/quillfold"));
}
