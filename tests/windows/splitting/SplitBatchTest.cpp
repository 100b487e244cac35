#include "tests/windows/splitting/SplitFixture.h"

#include "bookgen/ScanPainter.h"
#include "bookgen/ScanPlan.h"
#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/NoticeBox.h"
#include "split/RadioGroup.h"
#include "split/SplitDialog.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "widgets/FormLook.h"
#include "widgets/NumberEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSoundEffect>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include <cstdlib>

namespace {

using testing_support::patternImage;
using testing_support::readBytes;

class SplitBatchTest : public SplitFixture {
protected:
    // Spreads p1.jpg ... pN.jpg, 40 x 30.
    void loadSpreads(int count, const QString& extension = ".jpg") {
        Pictures pictures;
        for (int n = 1; n <= count; ++n) {
            pictures.emplace_back(QStringLiteral("p%1").arg(n) + extension, patternImage(40, 30));
        }
        loadBook(pictures);
    }
    QString book1Output() const { return QDir(out_).filePath("book1"); }
    QString outputPath(const QString& name) const { return QDir(book1Output()).filePath(name); }
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    }
    static bool isJpeg(const QByteArray& bytes) { return bytes.startsWith("\xFF\xD8"); }
    static bool isBmp(const QByteArray& bytes) { return bytes.startsWith("BM"); }
};

TEST_F(SplitBatchTest, SelectedSpreadsBecomePagesWithTheProgressCounting) {
    loadSpreads(5);
    keyInList(Qt::Key_A, Qt::ControlModifier);
    openSplitDialog();
    const int leftBefore = windowLeft(noticeBox());
    pressOk(out_);
    const int widthBefore = windowOuterWidth(noticeBox());
    EXPECT_EQ(noticeText(), QStringLiteral("処理中"));
    EXPECT_EQ(noticeLine(), QStringLiteral("1 / 5"));
    EXPECT_EQ(noticeBox().okButton->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(noticeBox().focusWidget(), noticeBox().okButton);
    EXPECT_FALSE(mainWindow().isEnabled());
    ASSERT_TRUE(splitDialog().batchRunning());
    EXPECT_EQ(splitDialog().runningBatch()->outputFolder(), book1Output());
    EXPECT_TRUE(QFileInfo(book1Output()).isDir());

    takeTimerOver();
    QStringList lines;
    for (int item = 0; item < 4; ++item) {
        stepItem();
        lines << noticeLine();
    }
    EXPECT_EQ(lines, (QStringList{"2 / 5", "3 / 5", "4 / 5", "5 / 5"}));
    EXPECT_EQ(noticeText(), QStringLiteral("処理中"));
    stepItem();

    EXPECT_EQ(noticeText(), QStringLiteral("完了"));
    EXPECT_EQ(noticeLine(), QString());
    EXPECT_EQ(noticeBox().okButton->text(), QStringLiteral("OK"));
    EXPECT_EQ(windowOuterWidth(noticeBox()), NoticeBox::kBatchEndWidth);
    EXPECT_EQ(windowLeft(noticeBox()), leftBefore - widthBefore);
    EXPECT_EQ(noticeBox().leftBeforeBatchEnd(), leftBefore);
    EXPECT_FALSE(splitDialog().batchTimer->isActive());
    // No sound file was opened at start-up: the end is silent.
    EXPECT_FALSE(splitDialog().completionSoundOpened());
    EXPECT_FALSE(splitDialog().completionSound->isPlaying());

    QStringList expected;
    for (int n = 1; n <= 5; ++n)
        expected << QStringLiteral("p%1_1.jpg").arg(n) << QStringLiteral("p%1_2.jpg").arg(n);
    expected.sort();
    EXPECT_EQ(filesIn(book1Output()), expected);
    // " ←": the right half is the first page.
    const QImage first = loadOutput(outputPath("p3_1.jpg"));
    EXPECT_EQ(first.size(), QSize(20, 30));
    EXPECT_TRUE(isJpeg(readBytes(outputPath("p3_2.jpg"))));

    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(windowOuterWidth(noticeBox()), NoticeBox::kNormalWidth);
    EXPECT_EQ(windowLeft(noticeBox()), leftBefore);
    EXPECT_FALSE(splitDialog().isVisible());
}

TEST_F(SplitBatchTest, CancelAfterTheThirdImageWritesNothingMore) {
    loadSpreads(5, ".bmp");
    keyInList(Qt::Key_A, Qt::ControlModifier);
    openSplitDialog();
    click(splitDialog().formatGroup->item(1));
    pressOk(out_);
    takeTimerOver();
    for (int item = 0; item < 3; ++item)
        stepItem();
    EXPECT_EQ(noticeLine(), QStringLiteral("4 / 5"));

    // The fourth image may already be in work; cancel drops it.
    click(noticeBox().okButton);
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_FALSE(splitDialog().batchTimer->isActive());
    EXPECT_FALSE(splitDialog().batchRunning());
    EXPECT_EQ(noticeBox().okButton->text(), QStringLiteral("OK"));
    // Work already running finishes on its worker; none of it is written.
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(filesIn(book1Output()), (QStringList{"p1_1.bmp", "p1_2.bmp", "p2_1.bmp", "p2_2.bmp",
                                                   "p3_1.bmp", "p3_2.bmp"}));
    EXPECT_TRUE(isBmp(readBytes(outputPath("p1_1.bmp"))));

    // The main window works again: a new batch runs to its end.
    openSplitDialog();
    pressOk(out_);
    runToEnd();
    EXPECT_EQ(filesIn(book1Output()).size(), 10);
}

TEST_F(SplitBatchTest, UnselectedImagesAreCopiedUnchanged) {
    loadSpreads(4);
    selectRows({0, 2});
    openSplitDialog();
    pressOk(out_);
    // Copying unselected files counts every item.
    EXPECT_EQ(noticeLine(), QStringLiteral("1 / 4"));
    runToEnd();
    EXPECT_EQ(noticeText(), QStringLiteral("完了"));
    EXPECT_EQ(filesIn(book1Output()),
              (QStringList{"p1_1.jpg", "p1_2.jpg", "p2.jpg", "p3_1.jpg", "p3_2.jpg", "p4.jpg"}));
    EXPECT_EQ(readBytes(outputPath("p2.jpg")), readBytes(QDir(book_).filePath("p2.jpg")));
}

TEST_F(SplitBatchTest, WithoutTheSubfolderAndWithoutUnselectedTheTotalIsTheSelection) {
    loadSpreads(4);
    selectRows({1, 3});
    openSplitDialog();
    click(splitDialog().sourceNamedSubfolderBox);
    click(splitDialog().copyUnselectedBox);
    pressOk(out_);
    EXPECT_EQ(noticeLine(), QStringLiteral("1 / 2"));
    ASSERT_TRUE(splitDialog().batchRunning());
    EXPECT_EQ(splitDialog().runningBatch()->outputFolder(), out_);
    runToEnd();
    EXPECT_EQ(filesIn(out_), (QStringList{"p2_1.jpg", "p2_2.jpg", "p4_1.jpg", "p4_2.jpg"}));
}

TEST_F(SplitBatchTest, ACorruptFileIsSkippedAndCountedAtTheEnd) {
    loadSpreads(3);
    keyInList(Qt::Key_A, Qt::ControlModifier);
    // The file goes bad after it was listed.
    testing_support::writeBytes(QDir(book_).filePath("p2.jpg"), QByteArray("\xFF\xD8garbage", 9));
    openSplitDialog();
    pressOk(out_);
    runToEnd();
    EXPECT_EQ(noticeText(), QStringLiteral("完了（1件は処理できませんでした）"));
    EXPECT_EQ(noticeLine(), QStringLiteral("p2.jpg"));
    EXPECT_EQ(filesIn(book1Output()),
              (QStringList{"p1_1.jpg", "p1_2.jpg", "p3_1.jpg", "p3_2.jpg"}));
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(noticeLine(), QString());
}

TEST_F(SplitBatchTest, PagesADiskHasNoRoomForCountAsFailed) {
    loadSpreads(2);
    keyInList(Qt::Key_A, Qt::ControlModifier);
    openSplitDialog();
    {
        // Every page is far smaller than the 16 KB Qt buffers.
        const testing_support::FileSizeLimit full(64);
        pressOk(out_);
        runToEnd();
    }
    EXPECT_EQ(noticeText(), QStringLiteral("完了（2件は処理できませんでした）"));
    EXPECT_EQ(noticeLine(), QStringLiteral("p1_1.jpg"));
    EXPECT_EQ(QDir(book1Output()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

TEST_F(SplitBatchTest, AFileThatHasGoneIsSkippedWithoutCountingAndReported) {
    loadSpreads(3);
    keyInList(Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(QFile::remove(QDir(book_).filePath("p2.jpg")));
    openSplitDialog();
    pressOk(out_);
    takeTimerOver();
    stepItem();
    EXPECT_EQ(noticeLine(), QStringLiteral("2 / 3"));
    stepItem();
    // The running number did not move on: the line stops short.
    EXPECT_EQ(noticeLine(), QStringLiteral("2 / 3"));
    stepItem();
    EXPECT_EQ(noticeText(), QStringLiteral("完了（1件は処理できませんでした）"));
    EXPECT_EQ(noticeLine(), QStringLiteral("p2.jpg"));
    EXPECT_EQ(filesIn(book1Output()),
              (QStringList{"p1_1.jpg", "p1_2.jpg", "p3_1.jpg", "p3_2.jpg"}));
}

TEST_F(SplitBatchTest, NoSourceFileIsEverReplaced) {
    // Output folder = source folder, and a name that collides with a page.
    const Pictures pictures = {{"a.bmp", patternImage(40, 30)},
                               {"a_1.bmp", patternImage(20, 30)},
                               {"b.bmp", patternImage(40, 30)}};
    loadBook(pictures);
    std::vector<QByteArray> before;
    for (const auto& [name, picture] : pictures)
        before.push_back(readBytes(QDir(book_).filePath(name)));

    selectRows({rowOf("a.bmp")});
    openSplitDialog();
    click(splitDialog().sourceNamedSubfolderBox);  // no subfolder: write into the source folder
    click(splitDialog().resaveUnselectedBox);      // save unselected files anew
    click(splitDialog().formatGroup->item(1));
    pressOk(book_);
    runToEnd();
    // a_1.bmp (a page of a.bmp), a_1.bmp and b.bmp saved anew: all refused.
    EXPECT_EQ(noticeText(), QStringLiteral("完了（3件は処理できませんでした）"));
    EXPECT_EQ(noticeLine(), QStringLiteral("a_1.bmp"));
    EXPECT_EQ(filesIn(book_), (QStringList{"a.bmp", "a_1.bmp", "a_2.bmp", "b.bmp"}));
    for (size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(readBytes(QDir(book_).filePath(pictures[i].first)), before[i])
            << pictures[i].first.toStdString();
    }
    pressNoticeOk();

    // Copies onto themselves are left alone, not counted as failures.
    openSplitDialog();
    click(splitDialog().copyUnselectedBox);
    pressOk(book_);
    runToEnd();
    EXPECT_EQ(noticeText(), QStringLiteral("完了（1件は処理できませんでした）"));
    EXPECT_EQ(noticeLine(), QStringLiteral("a_1.bmp"));
    for (size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(readBytes(QDir(book_).filePath(pictures[i].first)), before[i]);
    }
}

TEST_F(SplitBatchTest, NoCutWithTurnWritesOneTurnedPage) {
    loadSpreads(2, ".bmp");
    selectRows({0});
    openSplitDialog();
    click(splitDialog().splitMethodGroup->item(4));
    click(splitDialog().turnBox);
    click(splitDialog().formatGroup->item(1));
    click(splitDialog().copyUnselectedBox);
    pressOk(out_);
    runToEnd();
    EXPECT_EQ(filesIn(book1Output()), QStringList{"p1_1.bmp"});
    EXPECT_EQ(loadOutput(outputPath("p1_1.bmp")).size(), QSize(30, 40));
}

TEST_F(SplitBatchTest, LosslessPagesAreCountedAtTheEndAndThoseEncodedAgainNamed) {
    // 40 x 30 at 16-pixel blocks: cut on the grid, but a right turn needs
    // the pages' bottom edge (30) on it, so both pages are encoded again.
    loadSpreads(1);
    selectRows({0});
    openSplitDialog();
    click(splitDialog().losslessBox);
    click(splitDialog().turnBox);
    click(splitDialog().turnRightButton);
    pressOk(out_);
    runToEnd();
    EXPECT_EQ(noticeText(), QStringLiteral("完了"));
    EXPECT_EQ(noticeLine(), QStringLiteral("JPEG 2 ページのうち 0 ページを無劣化で保存"));
    const QStringList named = noticeBox().secondLineLabel->toolTip().split('\n');
    ASSERT_EQ(named.size(), 2);
    EXPECT_TRUE(named[0].startsWith(QStringLiteral("p1_1.jpg: 無劣化ではありません: ")));
    // Encoded again, the pages still lie where the cut moved to the grid:
    // page 1 (right of the cut at 16) is 24 wide before its turn.
    EXPECT_EQ(loadOutput(outputPath("p1_1.jpg")).size(), QSize(30, 24));
    // The next notice has no hint of this batch.
    pressNoticeOk();
    EXPECT_TRUE(noticeBox().secondLineLabel->toolTip().isEmpty());
}

TEST_F(SplitBatchTest, GutterAndSlantAreShownOnRequestAndWhatWasKeptIsNamedAtTheEnd) {
    // A spread turned by 1.8 degrees, its fold 11 % right of the centre:
    // text on the left page, the right one blank.
    bookgen::ScanPlan plan;
    plan.size = QSize(1754, 1240);
    plan.seed = 41;
    plan.skew = -1.8;
    plan.foldOffset = 0.11;
    plan.leftPage = bookgen::PageContent::Text;
    plan.rightPage = bookgen::PageContent::Blank;
    bookgen::GutterBand band;
    loadBook({{QStringLiteral("s.bmp"), bookgen::paintScan(plan, &band)}});

    // G in the trimming view shows what a batch would find, before one runs.
    selectRows({0});
    emit mainWindow().trimmingRequested();
    ASSERT_TRUE(trimmingView().isVisible());
    QTest::keyClick(&trimmingView(), Qt::Key_G);
    QLabel& findings = *trimmingView().findingsPanel;
    EXPECT_TRUE(findings.isVisible());
    ASSERT_TRUE(waitFor([&] { return findings.text().startsWith("s.bmp: "); }, 30000));
    EXPECT_TRUE(findings.text().contains(QStringLiteral("(ノド)")))
        << findings.text().toStdString();
    EXPECT_TRUE(
        findings.text().contains(QStringLiteral("s_1.jpg: 0.00 度、判定できません: そのまま")))
        << findings.text().toStdString();
    EXPECT_TRUE(findings.text().contains(QStringLiteral("s_2.jpg: 1.80 度")))
        << findings.text().toStdString();
    QTest::keyClick(&trimmingView(), Qt::Key_G);
    EXPECT_FALSE(findings.isVisible());
    trimmingView().closeView();

    openSplitDialog();
    click(splitDialog().deskewBox);
    click(splitDialog().gutterBox);
    splitDialog().formatGroup->setItemIndex(1);
    pressOk(out_);
    runToEnd();
    EXPECT_EQ(noticeText(), QStringLiteral("完了"));
    EXPECT_EQ(noticeLine(), QStringLiteral("1 ページはそのまま"));
    EXPECT_TRUE(noticeBox().secondLineLabel->toolTip().startsWith(QStringLiteral("s_1.bmp: ")));
    // The left page, cut at the fold and turned straight, lost nothing of
    // the spread's height.
    EXPECT_EQ(loadOutput(outputPath("s_2.bmp")).height(), 1240);
    EXPECT_TRUE(settings().added.deskew && settings().added.cutAtGutter);
}

}  // namespace

namespace {

// A minimal PCM WAV file: 44-byte header and a few silent samples.
QByteArray silentWav() {
    const auto little = [](quint32 v, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>(v >> (8 * i));
        return out;
    };
    return QByteArray("RIFF") + little(44, 4) + "WAVEfmt " + little(16, 4) + little(1, 2) +
           little(1, 2) + little(8000, 4) + little(16000, 4) + little(2, 2) + little(16, 2) +
           "data" + little(8, 4) + QByteArray(8, '\0');
}

class SplitSoundTest : public SplitFixture {
protected:
    SplitSoundTest() { startAutomatically = false; }
};

TEST_F(SplitSoundTest, TheCompletionSoundPlaysOnlyWhenTicked) {
    testing_support::writeBytes(pathInStart("KANRYOU.WAV"), silentWav());
    startProgram();
    ASSERT_TRUE(splitDialog().completionSoundOpened());
    loadBook({{"p1.bmp", patternImage(20, 10)}});
    selectRows({0});
    openSplitDialog();
    QTest::mouseClick(splitDialog().soundOnCompletionBox, Qt::LeftButton, Qt::NoModifier,
                      QPoint(4, 4));
    pressOk(out_);
    runToEnd();
    EXPECT_FALSE(splitDialog().completionSound->isPlaying());
    pressNoticeOk();

    openSplitDialog();
    QTest::mouseClick(splitDialog().soundOnCompletionBox, Qt::LeftButton, Qt::NoModifier,
                      QPoint(4, 4));
    pressOk(out_);
    runToEnd();
    EXPECT_TRUE(splitDialog().completionSound->isPlaying());
    EXPECT_EQ(noticeText(), QStringLiteral("完了"));
}

}  // namespace
