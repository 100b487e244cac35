// Makes the README's pictures of every window, from the real widgets on the
// offscreen platform: the demo book is written into a temporary folder,
// opened through the open-folder dialog, split by a real batch, and each
// window is grabbed as it shows itself to the user.
//
//     QT_QPA_PLATFORM=offscreen build/tools/screenshot docs [ja|en]
//
// In English the pictures are named with "-en" before ".png".
// (scripts/screenshots.sh builds it and runs it so.)

#include "book/BookDialog.h"
#include "bookgen/ScanPlan.h"
#include "bookgen/ScanWriter.h"
#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "core/Language.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "program/Program.h"
#include "split/SplitDialog.h"
#include "trimming/TrimmingView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// Told apart from the Japanese pictures by their names.
QString g_nameSuffix;

// Writes the window as it is now into `folder`/`name`, as PNG at its
// strongest compression.
bool save(QWidget& window, const QString& folder, const QString& name) {
    QTest::qWait(100);
    QString fileName = name;
    fileName.insert(fileName.lastIndexOf(QLatin1Char('.')), g_nameSuffix);
    const QString path = QDir(folder).filePath(fileName);
    const QImage picture = window.grab().toImage();
    if (!picture.save(path, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

bool writeDemoBook(const QString& folder) {
    for (const bookgen::ScanPlan& plan : bookgen::demoPlan()) {
        if (!bookgen::writeScan(plan, folder, 90).ok())
            return false;
    }
    return true;
}

bool fail(const char* what) {
    std::fprintf(stderr, "screenshot: %s\n", what);
    return false;
}

bool shootAll(Program& program, const QString& book, const QString& pages, const QString& out) {
    MainWindow& main = program.mainWindow();
    main.show();
    if (!QTest::qWaitFor([&] { return !main.startUpTimer->isActive(); }, 5000))
        return fail("the program did not start");

    // The open-folder dialog on the demo book, then its OK.
    main.openFolder();
    OpenFolderDialog& open = program.openFolderDialog();
    open.selectFolder(book);
    if (!QTest::qWaitFor([&] { return open.fileCount() > 0; }, 5000))
        return fail("the demo book is not listed");
    if (!save(open, out, QStringLiteral("open-folder-dialog.png")))
        return false;
    open.openListedFiles();
    if (!QTest::qWaitFor([&] { return !main.isBusy(); }, 60000))
        return fail("loading did not finish");

    // The spreads marked, as the automatic selection would; the release of
    // a key in the list shows them in the status bar.
    QListWidget& list = main.catalogueList();
    for (int row = 2; row < list.count() - 1; ++row)
        list.item(row)->setSelected(true);
    main.takeCurrentFromKeys(Qt::Key_Shift, Qt::NoModifier);
    if (!save(main, out, QStringLiteral("main-window.png")))
        return false;

    // The split dialog, writing into the pages folder.
    SplitDialog& split = program.splitDialog();
    main.openSplitDialog();
    split.setDestination(pages);
    if (!save(split, out, QStringLiteral("split-dialog.png")))
        return false;

    // Its folder chooser, opened by 参照.
    FolderChooser& chooser = program.folderChooser();
    split.browseDestination();
    chooser.selectFolder(pages);
    if (!save(chooser, out, QStringLiteral("folder-chooser.png")))
        return false;
    chooser.cancelButton->click();

    // The batch: the notice box as its progress window, then at its end.
    NoticeBox& notice = program.noticeBox();
    split.startBatch();
    if (!split.batchRunning())
        return fail("the batch did not start");
    if (!save(notice, out, QStringLiteral("notice-progress.png")))
        return false;
    if (!QTest::qWaitFor([&] { return !split.batchRunning(); }, 120000))
        return fail("the batch did not end");
    if (!save(notice, out, QStringLiteral("notice-batch-end.png")))
        return false;
    notice.acknowledge();

    // The rename dialog on one scan, and the settings dialog.
    list.clearSelection();
    list.setCurrentRow(2);
    main.takeCurrentFromKeys(Qt::Key_Right, Qt::NoModifier);
    main.openRenameDialog();
    RenameDialog& rename = program.renameDialog();
    if (!save(rename, out, QStringLiteral("rename-dialog.png")))
        return false;
    rename.cancel();
    main.openSettingsDialog();
    SettingsDialog& settings = program.settingsDialog();
    if (!save(settings, out, QStringLiteral("settings-dialog.png")))
        return false;
    settings.cancel();

    // File > Bind into a book on the folder shown.
    main.bookAction->trigger();
    BookDialog& binder = program.bookDialog();
    if (!save(binder, out, QStringLiteral("book-dialog.png")))
        return false;
    binder.cancel();

    // The trimming view on a spread, its frame drawn in from the edges by
    // the keys a user would press: D and S move the top-left corner, the
    // arrows the bottom-right one, 6 the largest step.
    main.openTrimmingView();
    TrimmingView& view = program.trimmingView();
    const QScreen& screen = *QGuiApplication::primaryScreen();
    if (!QTest::qWaitFor(
            [&] {
                return view.isVisible() &&
                       view.frameGeometry().size() == screen.availableGeometry().size();
            },
            5000))
        return fail("the trimming view did not open");
    QTest::qWait(200);
    QTest::keyClick(&view, Qt::Key_6);
    for (int i = 0; i < 6; ++i) {
        for (const Qt::Key key : {Qt::Key_D, Qt::Key_S, Qt::Key_Left, Qt::Key_Up})
            QTest::keyClick(&view, key);
    }
    std::printf("trimming view: %s\n", qPrintable(view.windowTitle()));
    return save(view, out, QStringLiteral("trimming-view.png"));
}

// The offscreen platform's screen as large as a common desktop's, so the
// windows keep their designed sizes (the trimming view fills the screen).
void useDesktopSizedScreen(const QString& configFile) {
    if (qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")) !=
        QStringLiteral("offscreen"))
        return;
    QFile file(configFile);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(R"({"screens": [{"name": "Screenshot", "x": 0, "y": 0, "width": 1280,
                  "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + configFile).toLocal8Bit());
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir platform;
    useDesktopSizedScreen(QDir(platform.path()).filePath(QStringLiteral("screen.json")));
    QApplication application(argc, argv);
    const core::Language language =
        core::languageNamed(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("ja"))
            .value_or(core::Language::Japanese);
    core::useLanguage(language);
    if (language == core::Language::English)
        g_nameSuffix = QStringLiteral("-en");
    const QString out = QDir::current().absoluteFilePath(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                                                  : QStringLiteral("docs"));
    QTemporaryDir start;
    QTemporaryDir work;
    const QString book = QDir(work.path()).filePath(QStringLiteral("demo-book"));
    const QString pages = QDir(work.path()).filePath(QStringLiteral("pages"));
    if (!start.isValid() || !work.isValid() || !QDir().mkpath(book) || !QDir().mkpath(pages) ||
        !QDir().mkpath(out) || !writeDemoBook(book)) {
        std::fprintf(stderr, "screenshot: cannot prepare the demo book\n");
        return 1;
    }
    // The program keeps its settings file in the folder it runs in.
    QDir::setCurrent(start.path());
    Program program;
    return shootAll(program, book, pages, out) ? 0 : 1;
}
