// The settings dialog: the two boxes with their arrows, OK's range check,
// cancel, and how it is opened and left.
#include "tests/windows/ProgramFixture.h"

#include "catalogue/MainWindow.h"
#include "core/AppState.h"
#include "core/NumberEdit.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/SettingsDialog.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QTest>

namespace {

class SettingsDialogTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        open();
    }

    void open() {
        mainWindow().Settei->trigger();
        ASSERT_TRUE(settingsDialog().isVisible());
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Replaces the box's text by typing, as the user would.
    void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(box, text);
        }
    }
    QString size() { return settingsDialog().Edit1->text(); }
    QString tolerance() { return settingsDialog().Edit2->text(); }
    bool closedToMainWindow() { return !settingsDialog().isVisible() && mainWindow().isEnabled(); }
    void expectRangeNotice() {
        ASSERT_TRUE(noticeShown());
        EXPECT_EQ(noticeText(), "サムネイルは20から150までです");
        EXPECT_EQ(noticeBox().returnTo(), NoticeBox::ReturnTo::SettingsDialog);
        EXPECT_FALSE(settingsDialog().isEnabled());
        EXPECT_TRUE(settingsDialog().isVisible());
        pressNoticeOk();
        EXPECT_TRUE(settingsDialog().isEnabled());
        EXPECT_FALSE(mainWindow().isEnabled());
    }
};

TEST_F(SettingsDialogTest, OpensOverTheDisabledMainWindowWithOkFocused) {
    EXPECT_FALSE(mainWindow().isEnabled());
    EXPECT_EQ(settingsDialog().windowTitle(), "設定");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&settingsDialog()));
    EXPECT_TRUE(settingsDialog().Button1->hasFocus());
    EXPECT_EQ(state().WorkText, "80");
    EXPECT_EQ(settingsDialog().Panel1->toolTip(),
              "サムネイルの大きさ変更は\n次回ファイルを開き直した時から有効です");
    // No close button: only OK or cancel leave the dialog.
    EXPECT_FALSE(settingsDialog().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    settingsDialog().close();
    EXPECT_TRUE(settingsDialog().isVisible());
}

TEST_F(SettingsDialogTest, SizeBoxWorkedSequence) {
    click(settingsDialog().Button3);
    EXPECT_EQ(size(), "90");
    type(settingsDialog().Edit1, "999");
    EXPECT_EQ(size(), "150");
    click(settingsDialog().Button4);
    EXPECT_EQ(size(), "140");
    type(settingsDialog().Edit1, "");
    click(settingsDialog().Button3);
    EXPECT_EQ(size(), "90");  // 80 from the opening + 10
    click(settingsDialog().Button2);
    EXPECT_EQ(size(), "80");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialogTest, ToleranceBoxWorkedSequence) {
    click(settingsDialog().Button6);
    EXPECT_EQ(tolerance(), "0");
    click(settingsDialog().Button6);
    EXPECT_EQ(tolerance(), "0");
    type(settingsDialog().Edit2, "");
    click(settingsDialog().Button6);
    EXPECT_EQ(tolerance(), "990");
    click(settingsDialog().Button5);
    EXPECT_EQ(tolerance(), "990");
    type(settingsDialog().Edit2, "5");
    click(settingsDialog().Button6);
    EXPECT_EQ(tolerance(), "0");
    // An empty box steps up from -10 to 0.
    type(settingsDialog().Edit2, "");
    click(settingsDialog().Button5);
    EXPECT_EQ(tolerance(), "0");
}

TEST_F(SettingsDialogTest, ArrowsStopAtTheirLimits) {
    type(settingsDialog().Edit1, "150");
    click(settingsDialog().Button3);
    EXPECT_EQ(size(), "150");
    type(settingsDialog().Edit1, "20");
    click(settingsDialog().Button4);
    EXPECT_EQ(size(), "20");
    // Typing what is not a number empties the box at once.
    type(settingsDialog().Edit1, "-");
    EXPECT_EQ(size(), "");
    type(settingsDialog().Edit2, "x");
    EXPECT_EQ(tolerance(), "");
}

TEST_F(SettingsDialogTest, OkAcceptsTheRangeFrom20To150) {
    for (const char* accepted : {"20", "150"}) {
        type(settingsDialog().Edit1, QString::fromLatin1(accepted));
        click(settingsDialog().Button1);
        EXPECT_TRUE(closedToMainWindow()) << accepted;
        EXPECT_EQ(size(), accepted);
        open();
    }
    type(settingsDialog().Edit1, "19");
    click(settingsDialog().Button1);
    expectRangeNotice();
    EXPECT_EQ(size(), "19");
    type(settingsDialog().Edit1, "151");
    EXPECT_EQ(size(), "150");
}

TEST_F(SettingsDialogTest, DownArrowCanGoBelow20AndOkRefusesIt) {
    type(settingsDialog().Edit1, "25");
    click(settingsDialog().Button4);
    EXPECT_EQ(size(), "15");
    click(settingsDialog().Button1);
    expectRangeNotice();
    EXPECT_EQ(size(), "15");
}

TEST_F(SettingsDialogTest, OkWithAnEmptySizeRefusesAndRefillsTheSizeAtOpening) {
    type(settingsDialog().Edit1, "120");
    click(settingsDialog().Button1);
    open();  // the size at opening is now 120
    type(settingsDialog().Edit1, "");
    click(settingsDialog().Button1);
    expectRangeNotice();
    EXPECT_EQ(size(), "120");
    click(settingsDialog().Button1);
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialogTest, OkWithAnEmptyToleranceSetsTenAndCloses) {
    type(settingsDialog().Edit2, "");
    click(settingsDialog().Button1);
    EXPECT_EQ(tolerance(), "10");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialogTest, CancelRestoresTheSizeOnly) {
    type(settingsDialog().Edit1, "130");
    type(settingsDialog().Edit2, "40");
    click(settingsDialog().Button2);
    EXPECT_EQ(size(), "80");
    EXPECT_EQ(tolerance(), "40");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialogTest, ReopeningKeepsTheCurrentSizeAsTheSizeAtOpening) {
    type(settingsDialog().Edit1, "60");
    click(settingsDialog().Button1);
    open();
    click(settingsDialog().Button1);
    open();
    EXPECT_EQ(state().WorkText, "60");
    type(settingsDialog().Edit1, "");
    click(settingsDialog().Button4);
    EXPECT_EQ(size(), "50");
}

TEST_F(SettingsDialogTest, IsNotOpenedWhileLoading) {
    click(settingsDialog().Button2);
    mainWindow().setStatusText(0, QStringLiteral("読込中"));
    mainWindow().Settei->trigger();
    EXPECT_FALSE(settingsDialog().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
}

}  // namespace
