#include "catalogue/MainWindow.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "core/AppState.h"
#include "core/FormLook.h"
#include "core/Hints.h"
#include "core/NumberEdit.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/SettingsDialog.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

MainWindow::MainWindow(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillfold"));
    applyFormFont(*this);
    resize(kDesignedWidth, kDesignedHeight);
    placeWindow(*this, 0, -1);

    List = named(new CatalogueList(this), QStringLiteral("ListView1"),
                 QStringLiteral("サムネイル一覧"));
    setCentralWidget(List);
    buildMenu();
    buildStatusBar();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &MainWindow::Timer2Timer);

    connect(List, &CatalogueList::pressed, this, &MainWindow::ListView1MouseDown);
    connect(List, &CatalogueList::keyReleased, this, &MainWindow::ListView1KeyUp);
    connect(List, &QListWidget::itemChanged, this, &MainWindow::ListView1Changing);
    connect(List->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rememberCaptions(first, last); });
    connect(List, &QListWidget::itemDoubleClicked, this, [this] { openTrimmingView(); });

    FormCreate();
}

namespace {
// "(&F)" after a menu caption.
const QRegularExpression kAccessKeyMark(QStringLiteral("\\(&.\\)"));
}  // namespace

void MainWindow::buildMenu() {
    struct Command {
        QAction** action;
        const char* name;
        const char* caption;
        Qt::Key shortcut;
        void (MainWindow::*handler)();
    };
    auto addMenu = [this](QMenu** menu, const char* name, const char* caption,
                          std::initializer_list<Command> commands) {
        *menu = menuBar()->addMenu(QString::fromUtf8(caption));
        (*menu)->setObjectName(QString::fromLatin1(name));
        // An open menu is announced by its title, without the access key.
        (*menu)->setWindowTitle(QString::fromUtf8(caption).remove(kAccessKeyMark));
        for (const Command& command : commands) {
            QAction* action = (*menu)->addAction(QString::fromUtf8(command.caption));
            action->setObjectName(QString::fromLatin1(command.name));
            if (command.shortcut != Qt::Key_unknown) {
                // Plain letters, active while the main window has the focus.
                action->setShortcut(QKeySequence(command.shortcut));
                action->setShortcutContext(Qt::WindowShortcut);
            }
            connect(action, &QAction::triggered, this, command.handler);
            *command.action = action;
        }
    };
    addMenu(&Open1, "Open1", "ファイル(&F)",
            {{&Folder1, "Folder1", "開く(&O)", Qt::Key_O, &MainWindow::Folder1Click},
             {&SyuuRyou, "SyuuRyou", "終了(&X)", Qt::Key_X, &MainWindow::SyuuRyouClick}});
    addMenu(&Riname, "Riname", "編集(&E)",
            {{&G1, "G1", "自動選択(&G)", Qt::Key_G, &MainWindow::G1Click},
             {&HANTEN, "HANTEN", "選択反転(&H)", Qt::Key_H, &MainWindow::HANTENClick},
             {&Ikkatu, "Ikkatu", "分割(&B)", Qt::Key_B, &MainWindow::IkkatuClick},
             {&Kobetu, "Kobetu", "リネーム(&R)", Qt::Key_R, &MainWindow::KobetuClick}});
    addMenu(&Hyouzi, "Hyouzi", "ツール(&T)",
            {{&Settei, "Settei", "設定(&C)", Qt::Key_C, &MainWindow::SetteiClick}});
    addMenu(
        &N1, "N1", "ヘルプ(&H)",
        {{&VERSION, "VERSION", "バージョン情報(&A)", Qt::Key_unknown, &MainWindow::VERSIONClick}});
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    setAccessibleNames(*bar, QStringLiteral("StatusBar1"), QStringLiteral("ステータスバー"));
    bar->setSizeGripEnabled(true);
    StatusPanel0 = named(new QLabel(bar), QStringLiteral("StatusPanel0"));
    StatusPanel0->setFixedWidth(80);
    StatusPanel0->setAlignment(Qt::AlignCenter);
    StatusPanel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusPanel1 = named(new QLabel(bar), QStringLiteral("StatusPanel1"));
    StatusPanel1->setMinimumWidth(120);
    StatusPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(StatusPanel0);
    // The last panel takes the rest of the bar, so long file names stay readable.
    bar->addWidget(StatusPanel1, 1);
}

void MainWindow::FormCreate() {
    // Owned by the window; installs the program-wide hint times.
    new HintTimes(this);
    state_.CurrentIndex = -1;
    state_.ExitRequested = 0;
    state_.Frame.FrameStep = 5;
    Timer2->start();
}

QListWidget& MainWindow::catalogueList() {
    return *List;
}

QString MainWindow::statusText(int panel) const {
    return panel == 0 ? StatusPanel0->text() : StatusPanel1->text();
}

void MainWindow::setStatusText(int panel, const QString& text) {
    (panel == 0 ? StatusPanel0 : StatusPanel1)->setText(text);
}

int MainWindow::thumbnailCount() const {
    // Every loading step adds one thumbnail and one item together, so the
    // thumbnails are the items' icons.
    return List->count();
}

bool MainWindow::isBusy() const {
    return catalogue::isBusy(StatusPanel0->text());
}

void MainWindow::SetteiClick() {
    if (isBusy())
        return;
    SettingsDialog& settings = *windows_.settingsDialog;
    state_.WorkText = settings.Edit1->text();
    setEnabled(false);
    settings.show();
    settings.raise();
    settings.activateWindow();
    settings.Button1->setFocus();
}

void MainWindow::VERSIONClick() {
    if (isBusy())
        return;
    windows_.noticeBox->notify(
        NoticeBox::ReturnTo::MainWindow, this, QStringLiteral("Quillfold Ver1.5"),
        QStringLiteral(
            "(C) 2026 Quillfold developers\nMIT License\nhttps://github.com/quillfold/quillfold"));
}
