// Makes the README's picture of the main window: a generated folder of
// book scans is loaded through the open-folder dialog on the offscreen
// platform, a few spreads are selected, and the window is grabbed.
//
//     QT_QPA_PLATFORM=offscreen build/tools/screenshot docs/main-window.png

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/OpenFolderDialog.h"
#include "imaging/FileCommit.h"
#include "imaging/PictureIo.h"
#include "program/Program.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// A page of a book: margins, lines of "text", now and then a picture.
void drawPage(QPainter& painter, const QRect& page, QRandomGenerator& random) {
    painter.fillRect(page, QColor(248, 246, 240));
    const int margin = page.width() / 9;
    const QRect text = page.adjusted(margin, margin, -margin, -margin);
    int y = text.top();
    if (random.bounded(3) == 0) {
        const QRect picture(text.left(), y, text.width(), text.height() / 3);
        painter.fillRect(picture, QColor(120 + random.bounded(60), 110, 90 + random.bounded(80)));
        y = picture.bottom() + margin / 3;
    }
    const int line = std::max(4, page.height() / 40);
    for (; y + line < text.bottom(); y += line * 2) {
        const int length = text.width() - random.bounded(text.width() / 4);
        painter.fillRect(QRect(text.left(), y, length, line), QColor(70, 70, 75));
    }
}

QImage scan(int width, int height, bool spread, QRandomGenerator& random) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(30, 30, 30));
    QPainter painter(&image);
    if (spread) {
        drawPage(painter, QRect(8, 8, width / 2 - 12, height - 16), random);
        drawPage(painter, QRect(width / 2 + 4, 8, width / 2 - 12, height - 16), random);
    } else {
        drawPage(painter, QRect(8, 8, width - 16, height - 16), random);
    }
    return image;
}

bool writeScans(const QString& folder) {
    QRandomGenerator random(1234);
    for (int i = 1; i <= 24; ++i) {
        const bool cover = i == 1 || i == 24;
        const QImage image =
            cover ? scan(700, 1000, false, random) : scan(1400, 1000, true, random);
        const auto bytes = imaging::encodeJpeg(image, 85);
        const QString name = QStringLiteral("scan_%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
        if (!bytes.ok() || !imaging::commitFile(QDir(folder).filePath(name), bytes.value()).ok()) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString output = QDir::current().absoluteFilePath(
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/main-window.png"));
    QTemporaryDir start;
    QTemporaryDir scans;
    const QString folder = QDir(scans.path()).filePath(QStringLiteral("book"));
    if (!start.isValid() || !QDir().mkpath(folder) || !writeScans(folder)) {
        std::fprintf(stderr, "cannot prepare the sample scans\n");
        return 1;
    }
    QDir::setCurrent(start.path());

    Program program;
    MainWindow& main = *program.windows.mainWindow;
    main.show();
    if (!QTest::qWaitFor([&] { return !main.Timer2->isActive(); }, 5000))
        return 1;

    main.Folder1Click();
    OpenFolderDialog& open = *program.windows.openFolderDialog;
    open.selectFolder(folder);
    open.Button1Click();
    if (!QTest::qWaitFor([&] { return !main.isBusy(); }, 60000)) {
        std::fprintf(stderr, "loading did not finish\n");
        return 1;
    }
    // Mark the spreads as the automatic selection would.
    for (int row = 1; row < main.List->count() - 1; ++row)
        main.List->item(row)->setSelected(true);
    main.setStatusText(0, QStringLiteral("分割可能"));
    main.setStatusText(1, QStringLiteral(" %1 ヶ所選択").arg(main.List->count() - 2));
    QTest::qWait(200);

    if (!main.grab().save(output)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("wrote %s\n", qPrintable(output));
    return 0;
}
