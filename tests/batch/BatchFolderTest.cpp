// quillfold-batch run as a user runs it, on folders that try to make it
// write outside its destination, hang, or pass over a file in silence.
#include "core/Language.h"
#include "imaging/PictureIo.h"
#include "split/LosslessNotes.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using testing_support::readBytes;
using testing_support::writeBytes;

TEST(BatchFolder, WritesOnlyInsideTheDestinationAndNamesEveryFileItCannotRead) {
    QTemporaryDir root;
    const testing_support::TreeRemover remover(root.path());
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath("book1") && top.mkpath("pages/book1") && top.mkpath("elsewhere"));
    const QString book = top.filePath("book1");
    const QString pages = top.filePath("pages");
    const QImage spread = testing_support::patternImage(40, 24);
    testing_support::writeJpeg(QDir(book).filePath("a.jpg"), spread);
    testing_support::writeJpeg(QDir(book).filePath("new\nline.jpg"), spread);
    testing_support::writeRawNamed(book, "latin1-\xe9.jpg",
                                   readBytes(QDir(book).filePath("a.jpg")));
    ASSERT_TRUE(QFile::link(top.filePath("elsewhere/gone.jpg"), QDir(book).filePath("gone.jpg")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(top.filePath("elsewhere/pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(top.filePath("elsewhere/pipe"), QDir(book).filePath("pipe.jpg")));
    // Page names in the destination that lead outside it.
    const QString notes = top.filePath("elsewhere/notes.txt");
    writeBytes(notes, "notes");
    ASSERT_TRUE(QFile::link(notes, QDir(pages).filePath("book1/a_1.jpg")));
    ASSERT_TRUE(
        QFile::link(top.filePath("elsewhere/new.txt"), QDir(pages).filePath("book1/a_2.jpg")));

    QProcess batch;
    batch.setWorkingDirectory(book);
    batch.start(QStringLiteral(QUILLFOLD_BATCH), {"--jobs", "1", ".", pages});
    if (!batch.waitForFinished(20000)) {
        batch.kill();
        batch.waitForFinished();
        FAIL() << "quillfold-batch did not end";
    }
    const QStringList errors =
        QString::fromUtf8(batch.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(batch.exitCode(), 1);

    // Nothing outside the destination's book1 changed; its links were
    // replaced by pages.
    EXPECT_EQ(readBytes(notes), "notes");
    EXPECT_EQ(QDir(top.filePath("elsewhere")).entryList(QDir::Files | QDir::System),
              (QStringList{"notes.txt", "pipe"}));
    EXPECT_EQ(QDir(pages).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"book1"});
    EXPECT_EQ(QDir(pages).entryList({"*"}, QDir::Files, QDir::Name), QStringList{});
    EXPECT_EQ(QDir(QDir(pages).filePath("book1")).entryList(QDir::Files, QDir::Name),
              (QStringList{"a_1.jpg", "a_2.jpg", "new\nline_1.jpg", "new\nline_2.jpg"}));
    EXPECT_FALSE(QFileInfo(QDir(pages).filePath("book1/a_1.jpg")).isSymLink());

    // Every file it could not read is named on a line of its own.
    for (const QString line : {"gone.jpg: リンク先が見当たりません",
                               "latin1-\uFFFD.jpg: 名前が UTF-8 でないため開けません",
                               "pipe.jpg: 通常のファイルではありません"}) {
        EXPECT_TRUE(errors.contains(line)) << line.toStdString();
    }
    EXPECT_TRUE(errors.contains("2/3 new\\nline.jpg")) << errors.join('|').toStdString();
}

TEST(BatchFolder, OfTwoImagesWithOneStemTheSecondIsAFailureNotAReplacement) {
    QTemporaryDir root;
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath("book1") && top.mkpath("pages"));
    testing_support::writeJpeg(top.filePath("book1/x.jpg"), testing_support::patternImage(40, 24));
    testing_support::writeBmp(top.filePath("book1/x.bmp"), testing_support::patternImage(30, 24));

    QProcess batch;
    batch.start(QStringLiteral(QUILLFOLD_BATCH),
                {"--jobs", "1", top.filePath("book1"), top.filePath("pages")});
    ASSERT_TRUE(batch.waitForFinished(20000));
    EXPECT_EQ(batch.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(batch.readAllStandardOutput())
                    .startsWith("画像 2 枚、書き出し 2 ファイル、失敗 1 件"));
    EXPECT_TRUE(
        QString::fromUtf8(batch.readAllStandardError())
            .contains(
                "x_1.jpg: x.jpg のページは x.bmp のページと同じ名前のため保存しませんでした"));
    // x.bmp comes first: its 15-pixel pages stay.
    EXPECT_EQ(imaging::loadPicture(top.filePath("pages/book1/x_1.jpg"))->width(), 15);
}

TEST(BatchFolder, LosslessRunAndDryRunCountThePagesAndNameThoseEncodedAgain) {
    QTemporaryDir root;
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath("book1") && top.mkpath("pages"));
    // 64 x 40: a right turn needs the pages' bottom edge (the picture's, 40)
    // on the 16-pixel grid, which it is not; a left turn their right edges
    // (32 and 64), which are.
    testing_support::writeJpeg(top.filePath("book1/a.jpg"), testing_support::patternImage(64, 40));
    testing_support::writeBmp(top.filePath("book1/plate.bmp"),
                              testing_support::patternImage(30, 24));
    const auto run = [&](const QStringList& options) {
        QProcess batch;
        batch.start(QStringLiteral(QUILLFOLD_BATCH),
                    options + QStringList{"--language", "en", "--jobs", "1", "--lossless",
                                          top.filePath("book1"), top.filePath("pages")});
        EXPECT_TRUE(batch.waitForFinished(20000));
        EXPECT_EQ(batch.exitCode(), 0);
        return QString::fromUtf8(batch.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    };
    core::useLanguage(core::Language::English);
    const QString turnOffGrid = split::notLosslessText(split::NotLosslessReason::TurnOffGrid);
    core::useLanguage(core::Language::Japanese);

    const QStringList planned = run({"--rotate", "R", "--dry-run"});
    EXPECT_EQ(planned.mid(planned.size() - 3),
              (QStringList{"0 of 2 JPEG pages would be written losslessly",
                           "a_1.jpg: not lossless: " + turnOffGrid,
                           "a_2.jpg: not lossless: " + turnOffGrid}));
    const QStringList turnedRight = run({"--rotate", "R"});
    EXPECT_EQ(turnedRight.mid(1),
              planned.mid(planned.size() - 3).replaceInStrings("would be written", "written"));
    const QStringList turnedLeft = run({"--rotate", "L"});
    EXPECT_EQ(turnedLeft.mid(1), QStringList{"2 of 2 JPEG pages written losslessly"});
}

// Two pages of "text" (rows of word blocks) laid 1.5 degrees clockwise,
// with a gap between them at the middle: 300 dpi print on a small page.
QImage crookedSpread() {
    QImage spread(2400, 1600, QImage::Format_RGB888);
    spread.fill(Qt::white);
    QPainter painter(&spread);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(1200, 800);
    painter.rotate(1.5);
    painter.translate(-1200, -800);
    for (const int left : {140, 1300}) {
        for (int y = 200; y < 1400; y += 40) {
            for (int x = left; x < left + 960; x += 60 + (x * 7 + y) % 80) {
                painter.fillRect(x, y, 40 + (x + y) % 50, 16, Qt::black);
            }
        }
    }
    return spread;
}

// The dry run with the measures on reads each image and prints its cut and
// each page's angle, and a page it would keep with the reason; it writes
// nothing. A run names the pages it kept.
TEST(BatchFolder, DryRunWithTheMeasuresPrintsEachCutAndAngle) {
    QTemporaryDir root;
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath("book1") && top.mkpath("pages"));
    testing_support::writeJpeg(top.filePath("book1/a.jpg"), crookedSpread(), 92);
    QImage blank(2400, 1600, QImage::Format_RGB888);
    blank.fill(Qt::white);
    testing_support::writeJpeg(top.filePath("book1/b.jpg"), blank);

    QProcess dryRun;
    dryRun.start(QStringLiteral(QUILLFOLD_BATCH),
                 {"--language", "en", "--dry-run", "--deskew", "--cut", "gutter", "--direction",
                  "right", top.filePath("book1"), top.filePath("pages")});
    ASSERT_TRUE(dryRun.waitForFinished(20000));
    EXPECT_EQ(dryRun.exitCode(), 0) << dryRun.readAllStandardError().toStdString();
    const QStringList lines =
        QString::fromUtf8(dryRun.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << lines.join('|').toStdString();
    const auto found = QRegularExpression(
                           "^a\\.jpg: cut (\\d+) \\(gutter\\)  a_1\\.jpg: (\\S+) deg  "
                           "a_2\\.jpg: (\\S+) deg$")
                           .match(lines[0]);
    ASSERT_TRUE(found.hasMatch()) << lines[0].toStdString();
    EXPECT_NEAR(found.captured(1).toInt(), 1200, 60);
    EXPECT_NEAR(found.captured(2).toDouble(), -1.5, 0.1);
    EXPECT_NEAR(found.captured(3).toDouble(), -1.5, 0.1);
    EXPECT_TRUE(lines[1].endsWith("a_1.jpg"));
    EXPECT_EQ(lines[3],
              "b.jpg: cut 1200 (centre, no gutter found)  b_1.jpg: 0.00 deg, not confident: kept  "
              "b_2.jpg: 0.00 deg, not confident: kept");
    EXPECT_EQ(QDir(top.filePath("pages")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{});

    QProcess run;
    run.start(QStringLiteral(QUILLFOLD_BATCH), {"--language", "en", "--deskew=3", "--cut", "gutter",
                                                top.filePath("book1"), top.filePath("pages")});
    ASSERT_TRUE(run.waitForFinished(20000));
    EXPECT_EQ(run.exitCode(), 0);
    const QString notes = QString::fromUtf8(run.readAllStandardError());
    EXPECT_TRUE(notes.contains(lines[3])) << notes.toStdString();
    EXPECT_FALSE(notes.contains("a.jpg: cut")) << notes.toStdString();
    EXPECT_EQ(QDir(top.filePath("pages/book1")).entryList(QDir::Files, QDir::Name),
              (QStringList{"a_1.jpg", "a_2.jpg", "b_1.jpg", "b_2.jpg"}));
}

}  // namespace
