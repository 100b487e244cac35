// Enter and Space in the trimming view: the files written into the
// folder's "trimming" subfolder, the message panel, show-next and closing.
#include "tests/windows/trimming/TrimmingFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/OpenFolderDialog.h"
#include "imaging/PictureIo.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "trimming/ViewPicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class TrimmingOutput : public TrimmingFixture {
protected:
    // `written` is exactly the region of `source` at (left, top).
    static ::testing::AssertionResult sameRegion(const QString& written, const QImage& source,
                                                 int left, int top, QSize size) {
        const auto picture = imaging::loadPicture(written);
        if (!picture) {
            return ::testing::AssertionFailure() << picture.error().message.toStdString();
        }
        if (picture->size() != size) {
            return ::testing::AssertionFailure()
                   << "size " << picture->width() << "x" << picture->height();
        }
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (picture->pixel(x, y) != source.pixel(left + x, top + y)) {
                    return ::testing::AssertionFailure() << "pixel " << x << ", " << y;
                }
            }
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(TrimmingOutput, EnterCutsTheFramePastTheEdgesUnderEachNamingMode) {
    doubleClickItem(0);
    waitForView();
    key(Qt::Key_T);
    key(Qt::Key_D);
    key(Qt::Key_D);
    key(Qt::Key_S);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_TRUE(title().endsWith(QStringLiteral("[ 枠位置 X:10 Y:5   範囲 40x35 ]")));

    key(Qt::Key_Return);
    EXPECT_TRUE(messageShown());
    EXPECT_EQ(messageText(), QStringLiteral("処理中"));
    EXPECT_EQ(trimmingView().sequenceTimer->interval(), 10);
    runRequest(QStringLiteral("保存 OK"));
    const QImage source = pattern(40, 30);
    EXPECT_TRUE(sameRegion(trimmingFile(QStringLiteral("a.b.bmp")), source, 10, 5, QSize(30, 25)));

    key(Qt::Key_N);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    runRequest(QStringLiteral("保存 OK"));
    key(Qt::Key_N);
    key(Qt::Key_Return);
    runRequest(QStringLiteral("保存 OK"));
    EXPECT_EQ(trimmingFiles(), (QStringList{QStringLiteral("a.b.bmp"), QStringLiteral("a.b_1.bmp"),
                                            QStringLiteral("a.b_2.bmp")}));
    EXPECT_TRUE(
        sameRegion(trimmingFile(QStringLiteral("a.b_2.bmp")), source, 10, 5, QSize(30, 25)));

    // Show-next off: the same picture stays, with its frame.
    EXPECT_EQ(catalogue().current(), 0);
    EXPECT_TRUE(title().startsWith(QStringLiteral(" [ a.b.bmp ")));
    EXPECT_TRUE(trimmingView().pictureArea->outlineShown());
}

TEST_F(TrimmingOutput, SavingStepsToTheNextPictureUntilTheLast) {
    doubleClickItem(0);
    waitForView();
    // This request runs on the view's own timer, to its end.
    key(Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return messageText() == QStringLiteral("保存 OK"); }))
        << messageText().toStdString();
    ASSERT_TRUE(waitFor([&] { return phase() == trimming::SequencePhase::Idle; }));
    EXPECT_FALSE(messageShown());
    EXPECT_FALSE(trimmingView().sequenceTimer->isActive());
    // The first frame is the whole picture: a copy of all of it.
    EXPECT_TRUE(
        sameRegion(trimmingFile(QStringLiteral("a.b.bmp")), pattern(40, 30), 0, 0, QSize(40, 30)));
    EXPECT_EQ(catalogue().current(), 1);
    EXPECT_TRUE(title().startsWith(QStringLiteral(" [ p2.bmp ")));
    EXPECT_TRUE(list().item(1)->isSelected());
    EXPECT_FALSE(list().item(0)->isSelected());

    // Space copies the file as it is, name and bytes.
    key(Qt::Key_X);
    key(Qt::Key_Space);
    EXPECT_EQ(messageText(), QStringLiteral("コピー中"));
    runRequest(QStringLiteral("コピー OK"));
    const QString copy = trimmingFile(QStringLiteral("p3.jpg"));
    EXPECT_EQ(testing_support::readBytes(copy),
              testing_support::readBytes(picturePath(QStringLiteral("p3.jpg"))));
    // The last picture stays.
    EXPECT_EQ(catalogue().current(), 2);
    EXPECT_TRUE(trimmingView().isVisible());
}

TEST_F(TrimmingOutput, FrameCornerOutsideTheSmallerPictureIsRefused) {
    doubleClickItem(1);
    waitForView();
    key(Qt::Key_3);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Z);
    ASSERT_TRUE(title().endsWith(QStringLiteral("[ 枠位置 X:50 Y:0   範囲 1000x200 ]")));
    key(Qt::Key_Return);
    EXPECT_EQ(messageText(), QStringLiteral("範囲外 処理不能"));
    EXPECT_TRUE(messageShown());
    EXPECT_EQ(trimmingView().sequenceTimer->interval(), 2000);
    tick();
    EXPECT_FALSE(messageShown());
    EXPECT_FALSE(trimmingView().sequenceTimer->isActive());
    EXPECT_FALSE(QFileInfo::exists(pictures_.path() + QStringLiteral("/trimming")));
}

TEST_F(TrimmingOutput, ZeroFrameAfterAPreviewWritesNothing) {
    // The preview sets the title, so the first catalogue showing keeps the
    // frame the program started with: none.
    const QString folder = catalogue().folder();
    openDialog();
    doubleClickEntry(0);
    waitForView();
    doubleClickPicture();
    clickDialogButton(QStringLiteral("キャンセル"));
    EXPECT_EQ(catalogue().folder(), folder);
    EXPECT_EQ(list().count(), 3);

    doubleClickItem(0);
    waitForView();
    EXPECT_TRUE(title().endsWith(QStringLiteral("[ 枠位置 X:0 Y:0   範囲 0x0 ]")));
    key(Qt::Key_Return);
    EXPECT_EQ(messageText(), QStringLiteral("範囲外 処理不能"));
    tick();
    EXPECT_FALSE(messageShown());
    EXPECT_TRUE(trimmingFiles().isEmpty());
}

TEST_F(TrimmingOutput, ClosingDropsARequestNotYetWritten) {
    doubleClickItem(0);
    waitForView();
    key(Qt::Key_Return);
    doubleClickPicture();
    EXPECT_EQ(phase(), trimming::SequencePhase::Idle);
    EXPECT_FALSE(trimmingView().sequenceTimer->isActive());
    EXPECT_FALSE(messageShown());
    // Even a tick that came late does no work.
    trimmingView().advanceSequence();
    EXPECT_TRUE(trimmingFiles().isEmpty());
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(TrimmingOutput, ClosingAfterTheWriteFinishesWithoutReopening) {
    doubleClickItem(0);
    waitForView();
    key(Qt::Key_Space);
    tick();
    EXPECT_EQ(trimmingView().sequenceTimer->interval(), 301);
    EXPECT_EQ(trimmingFiles(), QStringList{QStringLiteral("a.b.bmp")});
    doubleClickPicture();
    EXPECT_EQ(phase(), trimming::SequencePhase::CopySaved);
    tick();
    EXPECT_EQ(messageText(), QStringLiteral("コピー OK"));
    tick();
    EXPECT_EQ(phase(), trimming::SequencePhase::Idle);
    EXPECT_FALSE(trimmingView().sequenceTimer->isActive());
    EXPECT_FALSE(trimmingView().isVisible());
    EXPECT_EQ(catalogue().current(), 0);
    EXPECT_TRUE(mainWindow().isEnabled());
}

TEST_F(TrimmingOutput, FailuresEndTheRequestWithTheirMessage) {
    doubleClickItem(0);
    waitForView();
    QFile damaged(picturePath(QStringLiteral("a.b.bmp")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("BM cut short");
    damaged.close();
    key(Qt::Key_Return);
    tick();
    EXPECT_EQ(trimmingView().sequenceTimer->interval(), 2000);
    EXPECT_TRUE(messageShown());
    EXPECT_NE(messageText(), QStringLiteral("処理中"));
    EXPECT_FALSE(messageText().isEmpty());

    ASSERT_TRUE(QFile::remove(picturePath(QStringLiteral("a.b.bmp"))));
    key(Qt::Key_Space);
    tick();
    EXPECT_EQ(messageText(), QStringLiteral("ファイルが見当たりません"));
    tick();
    EXPECT_FALSE(messageShown());
    EXPECT_FALSE(trimmingView().sequenceTimer->isActive());
    EXPECT_TRUE(trimmingFiles().isEmpty());
    EXPECT_EQ(catalogue().current(), 0);
}

TEST_F(TrimmingOutput, OnAFullDiskTrimAndCopySayTheyFailedAndWriteNothing) {
    doubleClickItem(0);
    waitForView();
    key(Qt::Key_T);
    key(Qt::Key_D);
    const testing_support::FileSizeLimit full(1024);
    // Both a.b.bmp (3.6 KB) and its trimmed part fit in Qt's own buffer.
    const QString failure = QStringLiteral("ファイルを書き込めません");
    key(Qt::Key_Return);
    tick();
    EXPECT_EQ(messageText(), failure);
    key(Qt::Key_Space);
    tick();
    EXPECT_EQ(messageText(), failure);
    EXPECT_EQ(QDir(pictures_.path() + QStringLiteral("/trimming"))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

}  // namespace
