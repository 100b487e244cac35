// The settings dialog: the two boxes with their arrows, OK's range check,
// cancel, and how it is opened and left.
#include "tests/windows/ProgramFixture.h"

#include "catalogue/TForm1.h"
#include "core/AppState.h"
#include "core/NumberEdit.h"
#include "dialogs/TForm5.h"
#include "dialogs/TForm6.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QTest>

namespace {

class SettingsDialog : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        open();
    }

    void open() {
        form1().Settei->trigger();
        ASSERT_TRUE(form5().isVisible());
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
    QString size() { return form5().Edit1->text(); }
    QString tolerance() { return form5().Edit2->text(); }
    bool closedToMainWindow() { return !form5().isVisible() && form1().isEnabled(); }
    void expectRangeNotice() {
        ASSERT_TRUE(noticeShown());
        EXPECT_EQ(noticeText(), "サムネイルは20から150までです");
        EXPECT_EQ(state().ReturnTo, 5);
        EXPECT_FALSE(form5().isEnabled());
        EXPECT_TRUE(form5().isVisible());
        pressNoticeOk();
        EXPECT_TRUE(form5().isEnabled());
        EXPECT_FALSE(form1().isEnabled());
    }
};

TEST_F(SettingsDialog, OpensOverTheDisabledMainWindowWithOkFocused) {
    EXPECT_FALSE(form1().isEnabled());
    EXPECT_EQ(form5().windowTitle(), "設定");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form5()));
    EXPECT_TRUE(form5().Button1->hasFocus());
    EXPECT_EQ(state().WorkText, "80");
    EXPECT_EQ(form5().Panel1->toolTip(),
              "サムネイルの大きさ変更は\n次回ファイルを開き直した時から有効です");
    // No close button: only OK or cancel leave the dialog.
    EXPECT_FALSE(form5().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    form5().close();
    EXPECT_TRUE(form5().isVisible());
}

TEST_F(SettingsDialog, SizeBoxWorkedSequence) {
    click(form5().Button3);
    EXPECT_EQ(size(), "90");
    type(form5().Edit1, "999");
    EXPECT_EQ(size(), "150");
    click(form5().Button4);
    EXPECT_EQ(size(), "140");
    type(form5().Edit1, "");
    click(form5().Button3);
    EXPECT_EQ(size(), "90");  // 80 from the opening + 10
    click(form5().Button2);
    EXPECT_EQ(size(), "80");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialog, ToleranceBoxWorkedSequence) {
    click(form5().Button6);
    EXPECT_EQ(tolerance(), "0");
    click(form5().Button6);
    EXPECT_EQ(tolerance(), "0");
    type(form5().Edit2, "");
    click(form5().Button6);
    EXPECT_EQ(tolerance(), "990");
    click(form5().Button5);
    EXPECT_EQ(tolerance(), "990");
    type(form5().Edit2, "5");
    click(form5().Button6);
    EXPECT_EQ(tolerance(), "0");
    // An empty box steps up from -10 to 0.
    type(form5().Edit2, "");
    click(form5().Button5);
    EXPECT_EQ(tolerance(), "0");
}

TEST_F(SettingsDialog, ArrowsStopAtTheirLimits) {
    type(form5().Edit1, "150");
    click(form5().Button3);
    EXPECT_EQ(size(), "150");
    type(form5().Edit1, "20");
    click(form5().Button4);
    EXPECT_EQ(size(), "20");
    // Typing what is not a number empties the box at once.
    type(form5().Edit1, "-");
    EXPECT_EQ(size(), "");
    type(form5().Edit2, "x");
    EXPECT_EQ(tolerance(), "");
}

TEST_F(SettingsDialog, OkAcceptsTheRangeFrom20To150) {
    for (const char* accepted : {"20", "150"}) {
        type(form5().Edit1, QString::fromLatin1(accepted));
        click(form5().Button1);
        EXPECT_TRUE(closedToMainWindow()) << accepted;
        EXPECT_EQ(size(), accepted);
        open();
    }
    type(form5().Edit1, "19");
    click(form5().Button1);
    expectRangeNotice();
    EXPECT_EQ(size(), "19");
    type(form5().Edit1, "151");
    EXPECT_EQ(size(), "150");
}

TEST_F(SettingsDialog, DownArrowCanGoBelow20AndOkRefusesIt) {
    type(form5().Edit1, "25");
    click(form5().Button4);
    EXPECT_EQ(size(), "15");
    click(form5().Button1);
    expectRangeNotice();
    EXPECT_EQ(size(), "15");
}

TEST_F(SettingsDialog, OkWithAnEmptySizeRefusesAndRefillsTheSizeAtOpening) {
    type(form5().Edit1, "120");
    click(form5().Button1);
    open();  // the size at opening is now 120
    type(form5().Edit1, "");
    click(form5().Button1);
    expectRangeNotice();
    EXPECT_EQ(size(), "120");
    click(form5().Button1);
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialog, OkWithAnEmptyToleranceSetsTenAndCloses) {
    type(form5().Edit2, "");
    click(form5().Button1);
    EXPECT_EQ(tolerance(), "10");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialog, CancelRestoresTheSizeOnly) {
    type(form5().Edit1, "130");
    type(form5().Edit2, "40");
    click(form5().Button2);
    EXPECT_EQ(size(), "80");
    EXPECT_EQ(tolerance(), "40");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialog, ReopeningKeepsTheCurrentSizeAsTheSizeAtOpening) {
    type(form5().Edit1, "60");
    click(form5().Button1);
    open();
    click(form5().Button1);
    open();
    EXPECT_EQ(state().WorkText, "60");
    type(form5().Edit1, "");
    click(form5().Button4);
    EXPECT_EQ(size(), "50");
}

TEST_F(SettingsDialog, IsNotOpenedWhileLoading) {
    click(form5().Button2);
    form1().setStatusText(0, QStringLiteral("読込中"));
    form1().Settei->trigger();
    EXPECT_FALSE(form5().isVisible());
    EXPECT_TRUE(form1().isEnabled());
}

}  // namespace
