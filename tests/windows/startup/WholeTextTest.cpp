// Texts of status bars, labels and notices are shown whole in the font
// found on this machine.
#include "tests/windows/ProgramFixture.h"

#include "catalogue/MainWindow.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace {

::testing::AssertionResult showsWholeLine(const QLabel& label) {
    const int needed = label.fontMetrics().height();
    const int shown = label.contentsRect().height();
    if (shown >= needed) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << label.objectName().toStdString() << " in "
                                         << label.window()->objectName().toStdString() << " shows "
                                         << shown << " of " << needed << " pixels of its lines";
}

// The lowest row of the notice's message that has ink, with the second
// line hidden: -1 when the message draws nothing.
int lowestMessageRow(NoticeBox& notice) {
    notice.secondLineLabel->hide();
    const QImage panel = notice.messageLabel->grab().toImage();
    notice.secondLineLabel->show();
    const QRect inside = notice.messageLabel->contentsRect();
    int lowest = -1;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(panel.pixel(x, y)) < 128) {
                lowest = y;
            }
        }
    }
    return lowest;
}

// The notice's second line shows all of its text inside the panel's bevel,
// below the message.
void expectSecondLineWhole(NoticeBox& notice) {
    const QLabel& line = *notice.secondLineLabel;
    if (line.fontMetrics().horizontalAdvance(line.text()) <= line.width()) {
        EXPECT_TRUE(showsWholeLine(line));
    } else {
        EXPECT_TRUE(line.wordWrap());
        EXPECT_GE(line.height(), line.heightForWidth(line.width())) << line.text().toStdString();
    }
    EXPECT_TRUE(notice.messageLabel->contentsRect().contains(line.geometry()));
    const int lowest = lowestMessageRow(notice);
    EXPECT_GT(lowest, 0);
    EXPECT_LT(lowest, line.geometry().top());
}

using WholeText = ProgramFixture;

TEST_F(WholeText, StatusPanelsAndTheFileCountShowWholeLines) {
    mainWindow().loadStatePanel->setText(QStringLiteral("読込完了"));
    mainWindow().detailPanel->setText(QStringLiteral("[12] p_1.jpg"));
    EXPECT_TRUE(showsWholeLine(*mainWindow().loadStatePanel));
    EXPECT_TRUE(showsWholeLine(*mainWindow().detailPanel));

    const QString path = pathInStart(QStringLiteral("p1.bmp"));
    testing_support::writeBmp(path, testing_support::patternImage(40, 30));
    ASSERT_TRUE(showInTrimmingView(path));
    QTest::keyClick(&trimmingView(), Qt::Key_N);
    EXPECT_EQ(trimmingView().namingPanel->text(), QStringLiteral("[N] 元名+_1"));
    for (const QLabel* panel : trimmingView().statusPanels()) {
        EXPECT_TRUE(showsWholeLine(*panel));
    }
    trimmingView().closeView();

    openFolderDialog().show();
    EXPECT_TRUE(showsWholeLine(*openFolderDialog().fileCountLabel));
}

TEST_F(WholeText, VersionNoticeShowsTheLicenceAndTheWholeHomePage) {
    mainWindow().versionAction->trigger();
    ASSERT_TRUE(noticeShown());
    QTest::qWait(0);
    expectSecondLineWhole(noticeBox());
    // Each row fits as it stands: a wrapped address would break at a slash.
    const QLabel& line = *noticeBox().secondLineLabel;
    for (const QString& row : line.text().split(QLatin1Char('\n'))) {
        EXPECT_LE(line.fontMetrics().horizontalAdvance(row), line.width()) << row.toStdString();
    }
    pressNoticeOk();
}

class DamagedSettings : public ProgramFixture {
protected:
    DamagedSettings() { startAutomatically = false; }
};

TEST_F(DamagedSettings, NoticeWrapsItsSecondLineInsideTheBox) {
    testing_support::writeBytes(pathInStart(QStringLiteral("Quillfold.ini")),
                                "10\r\n20\r\nwide\r\n");
    startProgram();
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), QStringLiteral("設定ファイルが壊れています"));
    EXPECT_EQ(noticeLine(), QStringLiteral("Quillfold.ini の 3 行目以降は読み込みません"));
    NoticeBox& notice = noticeBox();
    EXPECT_GT(notice.secondLineLabel->fontMetrics().horizontalAdvance(noticeLine()),
              notice.secondLineLabel->width());
    expectSecondLineWhole(notice);

    // A line that fits keeps its designed place.
    notice.secondLineLabel->setText(QStringLiteral("読込を中断します"));
    // The new text is laid out when the label's layout request arrives.
    const QRect designed(8, 56, 217, 17);
    waitFor([&] { return notice.secondLineLabel->geometry() == designed; });
    EXPECT_EQ(notice.secondLineLabel->geometry(), designed);
    expectSecondLineWhole(notice);

    // A window that fills the shown box directly gets its long line wrapped too.
    notice.secondLineLabel->setText(
        QStringLiteral("ファイルを書き込めませんでした 保存先の空き容量を確かめて下さい"));
    EXPECT_TRUE(waitFor([&] {
        return notice.secondLineLabel->height() >=
               notice.secondLineLabel->heightForWidth(notice.secondLineLabel->width());
    }));
    expectSecondLineWhole(notice);
    pressNoticeOk();
}

}  // namespace
