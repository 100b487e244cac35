// The settings dialog: the two boxes with their arrows, OK's range check,
// cancel, and how it is opened and left.
#include "tests/windows/CatalogueFixture.h"

#include "catalogue/MainWindow.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/SettingsDialog.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QTest>

namespace {

class SettingsDialogTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        open();
    }

    void open() {
        mainWindow().settingsAction->trigger();
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
    QString size() { return settingsDialog().thumbnailSizeEdit->text(); }
    QString tolerance() { return settingsDialog().toleranceEdit->text(); }
    bool closedToMainWindow() { return !settingsDialog().isVisible() && mainWindow().isEnabled(); }
    void expectRangeNotice() {
        ASSERT_TRUE(noticeShown());
        EXPECT_EQ(noticeText(), "サムネイルは20から150までです");
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
    EXPECT_TRUE(settingsDialog().okButton->hasFocus());
    EXPECT_EQ(settingsDialog().thumbnailSizeGroup->toolTip(),
              "サムネイルの大きさ変更は\n次回ファイルを開き直した時から有効です");
    // No close button: only OK or cancel leave the dialog.
    EXPECT_FALSE(settingsDialog().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    settingsDialog().close();
    EXPECT_TRUE(settingsDialog().isVisible());
}

TEST_F(SettingsDialogTest, SizeBoxWorkedSequence) {
    click(settingsDialog().thumbnailSizeUpButton);
    EXPECT_EQ(size(), "90");
    type(settingsDialog().thumbnailSizeEdit, "999");
    EXPECT_EQ(size(), "150");
    click(settingsDialog().thumbnailSizeDownButton);
    EXPECT_EQ(size(), "140");
    type(settingsDialog().thumbnailSizeEdit, "");
    click(settingsDialog().thumbnailSizeUpButton);
    EXPECT_EQ(size(), "90");  // 80 from the opening + 10
    click(settingsDialog().cancelButton);
    EXPECT_EQ(size(), "80");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialogTest, ToleranceBoxWorkedSequence) {
    click(settingsDialog().toleranceDownButton);
    EXPECT_EQ(tolerance(), "0");
    click(settingsDialog().toleranceDownButton);
    EXPECT_EQ(tolerance(), "0");
    type(settingsDialog().toleranceEdit, "");
    click(settingsDialog().toleranceDownButton);
    EXPECT_EQ(tolerance(), "990");
    click(settingsDialog().toleranceUpButton);
    EXPECT_EQ(tolerance(), "990");
    type(settingsDialog().toleranceEdit, "5");
    click(settingsDialog().toleranceDownButton);
    EXPECT_EQ(tolerance(), "0");
    // An empty box steps up from -10 to 0.
    type(settingsDialog().toleranceEdit, "");
    click(settingsDialog().toleranceUpButton);
    EXPECT_EQ(tolerance(), "0");
}

TEST_F(SettingsDialogTest, ArrowsStopAtTheirLimits) {
    type(settingsDialog().thumbnailSizeEdit, "150");
    click(settingsDialog().thumbnailSizeUpButton);
    EXPECT_EQ(size(), "150");
    type(settingsDialog().thumbnailSizeEdit, "20");
    click(settingsDialog().thumbnailSizeDownButton);
    EXPECT_EQ(size(), "20");
    // Typing what is not a number empties the box at once.
    type(settingsDialog().thumbnailSizeEdit, "-");
    EXPECT_EQ(size(), "");
    type(settingsDialog().toleranceEdit, "x");
    EXPECT_EQ(tolerance(), "");
}

TEST_F(SettingsDialogTest, OkAcceptsTheRangeFrom20To150) {
    for (const char* accepted : {"20", "150"}) {
        type(settingsDialog().thumbnailSizeEdit, QString::fromLatin1(accepted));
        click(settingsDialog().okButton);
        EXPECT_TRUE(closedToMainWindow()) << accepted;
        EXPECT_EQ(size(), accepted);
        open();
    }
    type(settingsDialog().thumbnailSizeEdit, "19");
    click(settingsDialog().okButton);
    expectRangeNotice();
    EXPECT_EQ(size(), "19");
    type(settingsDialog().thumbnailSizeEdit, "151");
    EXPECT_EQ(size(), "150");
}

TEST_F(SettingsDialogTest, DownArrowCanGoBelow20AndOkRefusesIt) {
    type(settingsDialog().thumbnailSizeEdit, "25");
    click(settingsDialog().thumbnailSizeDownButton);
    EXPECT_EQ(size(), "15");
    click(settingsDialog().okButton);
    expectRangeNotice();
    EXPECT_EQ(size(), "15");
}

TEST_F(SettingsDialogTest, OkWithAnEmptySizeRefusesAndRefillsTheSizeAtOpening) {
    type(settingsDialog().thumbnailSizeEdit, "120");
    click(settingsDialog().okButton);
    open();  // the size at opening is now 120
    type(settingsDialog().thumbnailSizeEdit, "");
    click(settingsDialog().okButton);
    expectRangeNotice();
    EXPECT_EQ(size(), "120");
    click(settingsDialog().okButton);
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialogTest, OkWithAnEmptyToleranceSetsTenAndCloses) {
    type(settingsDialog().toleranceEdit, "");
    click(settingsDialog().okButton);
    EXPECT_EQ(tolerance(), "10");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialogTest, CancelRestoresTheSizeOnly) {
    type(settingsDialog().thumbnailSizeEdit, "130");
    type(settingsDialog().toleranceEdit, "40");
    click(settingsDialog().cancelButton);
    EXPECT_EQ(size(), "80");
    EXPECT_EQ(tolerance(), "40");
    EXPECT_TRUE(closedToMainWindow());
}

TEST_F(SettingsDialogTest, ReopeningKeepsTheCurrentSizeAsTheSizeAtOpening) {
    type(settingsDialog().thumbnailSizeEdit, "60");
    click(settingsDialog().okButton);
    open();
    click(settingsDialog().okButton);
    open();
    type(settingsDialog().thumbnailSizeEdit, "");
    click(settingsDialog().thumbnailSizeDownButton);
    EXPECT_EQ(size(), "50");
}

TEST_F(SettingsDialogTest, IsNotOpenedWhileLoading) {
    click(settingsDialog().cancelButton);
    startLongLoading();
    mainWindow().settingsAction->trigger();
    EXPECT_FALSE(settingsDialog().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
}

}  // namespace
