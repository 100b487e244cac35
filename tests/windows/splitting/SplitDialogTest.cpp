#include "tests/windows/splitting/SplitFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "split/MarginRemoval.h"
#include "split/RadioGroup.h"
#include "split/Rotation.h"
#include "split/SplitDialog.h"
#include "tests/support/TestFiles.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

using Rows = std::vector<int>;

class SplitDialogTest : public SplitFixture {
protected:
    void loadFive() {
        Pictures pictures;
        for (int n = 1; n <= 5; ++n) {
            pictures.emplace_back(QStringLiteral("p%1.jpg").arg(n),
                                  testing_support::patternImage(12, 8));
        }
        loadBook(pictures);
    }
    // Types into a box as a user does: the old text selected and replaced.
    static void typeInto(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    }
};

TEST_F(SplitDialogTest, OpensOnlyWithASelectionAndFocusesCancel) {
    loadFive();
    QTest::keyClick(&mainWindow(), Qt::Key_B);
    EXPECT_FALSE(splitDialog().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());

    selectRows({1, 3});
    openSplitDialog();
    EXPECT_EQ(splitDialog().focusWidget(), splitDialog().cancelButton);
    EXPECT_EQ(splitDialog().windowTitle(), QStringLiteral("分割"));
    // The designed size, with the panel of added options below it.
    EXPECT_EQ(splitDialog().size(), QSize(473, 454 + 84));
}

TEST_F(SplitDialogTest, ControlsStartWithTheirDesignedValues) {
    SplitDialog& d = splitDialog();
    EXPECT_TRUE(d.sourceNamedSubfolderBox->isChecked());
    EXPECT_TRUE(d.copyUnselectedBox->isChecked());
    EXPECT_FALSE(d.resaveUnselectedBox->isChecked());
    EXPECT_TRUE(d.soundOnCompletionBox->isChecked());
    EXPECT_TRUE(d.hintsBox->isChecked());
    EXPECT_EQ(d.splitMethodGroup->itemIndex(), 2);
    EXPECT_EQ(d.splitMethodGroup->item(2)->text(), QStringLiteral(" ←"));
    EXPECT_EQ(d.splitMethodGroup->item(4)->text(), QStringLiteral("なし"));
    // Three columns filled top to bottom: → ↓ | ← ↑ | なし.
    EXPECT_EQ(d.splitMethodGroup->item(1)->x(), d.splitMethodGroup->item(0)->x());
    EXPECT_GT(d.splitMethodGroup->item(1)->y(), d.splitMethodGroup->item(0)->y());
    EXPECT_GT(d.splitMethodGroup->item(2)->x(), d.splitMethodGroup->item(0)->x());
    EXPECT_GT(d.splitMethodGroup->item(4)->x(), d.splitMethodGroup->item(2)->x());
    EXPECT_EQ(d.formatGroup->itemIndex(), 0);
    EXPECT_EQ(d.qualityEdit->text(), QStringLiteral("80"));
    EXPECT_EQ(d.thresholdEdit->text(), QStringLiteral("100"));
    EXPECT_EQ(d.keptMarginEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(d.centreWidthEdit->text(), QStringLiteral("20"));
    EXPECT_TRUE(d.qualityEdit->isEnabled());
    EXPECT_FALSE(d.thresholdEdit->isEnabled());
    EXPECT_FALSE(d.keptMarginEdit->isEnabled());
    EXPECT_FALSE(d.centreWidthEdit->isEnabled());
    EXPECT_FALSE(d.centreWidthUpButton->isEnabled());
    EXPECT_TRUE(d.turnLeftButton->isChecked());
    EXPECT_FALSE(d.turnLeftButton->isEnabled());
    EXPECT_FALSE(d.turnRightButton->isEnabled());
    EXPECT_EQ(d.qualityEdit->accessibleName(), QStringLiteral("圧縮率"));
    EXPECT_EQ(d.qualityPanel->objectName(), QStringLiteral("Panel2"));
    // The page-order and turn pictures are drawn.
    for (QLabel* image : {d.rightOrderPicture, d.leftOrderPicture, d.downOrderPicture,
                          d.upOrderPicture, d.turnLeftPicture, d.turnRightPicture}) {
        EXPECT_FALSE(image->pixmap().isNull()) << image->objectName().toStdString();
    }
    EXPECT_GT(d.rightOrderPicture->width(), d.rightOrderPicture->height());
    EXPECT_GT(d.downOrderPicture->height(), d.downOrderPicture->width());
    EXPECT_NE(d.rightOrderPicture->pixmap().toImage(), d.leftOrderPicture->pixmap().toImage());
    EXPECT_NE(d.turnLeftPicture->pixmap().toImage(), d.turnRightPicture->pixmap().toImage());
}

TEST_F(SplitDialogTest, NumberEditsKeepAnIntegerInRange) {
    SplitDialog& d = splitDialog();
    d.show();
    click(d.removeMarginsBox);
    ASSERT_TRUE(d.thresholdEdit->isEnabled());

    typeInto(d.thresholdEdit, "300");
    EXPECT_EQ(d.thresholdEdit->text(), QStringLiteral("255"));
    typeInto(d.thresholdEdit, "a");
    EXPECT_EQ(d.thresholdEdit->text(), QString());
    typeInto(d.thresholdEdit, "-");
    EXPECT_EQ(d.thresholdEdit->text(), QString());

    typeInto(d.keptMarginEdit, "12345");
    EXPECT_EQ(d.keptMarginEdit->text(), QStringLiteral("1234"));

    // Pasted whole, a negative number becomes 0.
    d.keptMarginEdit->selectAll();
    d.keptMarginEdit->insert(QStringLiteral("-5"));
    EXPECT_EQ(d.keptMarginEdit->text(), QStringLiteral("0"));
}

TEST_F(SplitDialogTest, ArrowsStepByTenWithinTheRange) {
    SplitDialog& d = splitDialog();
    d.show();
    typeInto(d.qualityEdit, "95");
    click(d.qualityUpButton);
    EXPECT_EQ(d.qualityEdit->text(), QStringLiteral("100"));
    click(d.qualityUpButton);
    EXPECT_EQ(d.qualityEdit->text(), QStringLiteral("100"));
    typeInto(d.qualityEdit, "5");
    click(d.qualityDownButton);
    EXPECT_EQ(d.qualityEdit->text(), QStringLiteral("0"));
    typeInto(d.qualityEdit, "");
    click(d.qualityDownButton);
    EXPECT_EQ(d.qualityEdit->text(), QStringLiteral("100"));

    click(d.removeCentreBox);
    typeInto(d.centreWidthEdit, "");
    click(d.centreWidthUpButton);
    EXPECT_EQ(d.centreWidthEdit->text(), QStringLiteral("0"));
    typeInto(d.centreWidthEdit, "");
    click(d.centreWidthDownButton);
    EXPECT_EQ(d.centreWidthEdit->text(), QStringLiteral("9999"));

    click(d.removeMarginsBox);
    typeInto(d.thresholdEdit, "250");
    click(d.thresholdUpButton);
    EXPECT_EQ(d.thresholdEdit->text(), QStringLiteral("255"));
    click(d.thresholdDownButton);
    EXPECT_EQ(d.thresholdEdit->text(), QStringLiteral("245"));
}

TEST_F(SplitDialogTest, CheckBoxesAndGroupsEnableWhatTheyGovern) {
    SplitDialog& d = splitDialog();
    d.show();
    click(d.resaveUnselectedBox);
    EXPECT_TRUE(d.resaveUnselectedBox->isChecked());
    EXPECT_FALSE(d.copyUnselectedBox->isChecked());
    click(d.copyUnselectedBox);
    EXPECT_TRUE(d.copyUnselectedBox->isChecked());
    EXPECT_FALSE(d.resaveUnselectedBox->isChecked());
    click(d.copyUnselectedBox);
    EXPECT_FALSE(d.copyUnselectedBox->isChecked());
    EXPECT_FALSE(d.resaveUnselectedBox->isChecked());

    click(d.removeMarginsBox);
    for (QWidget* w : std::initializer_list<QWidget*>{
             d.thresholdEdit, d.thresholdUpButton, d.thresholdDownButton, d.keptMarginEdit,
             d.keptMarginUpButton, d.keptMarginDownButton}) {
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    }
    click(d.turnBox);
    EXPECT_TRUE(d.turnLeftButton->isEnabled());
    EXPECT_TRUE(d.turnRightButton->isEnabled());

    // "なし" unticks and disables the centre removal.
    click(d.removeCentreBox);
    EXPECT_TRUE(d.centreWidthEdit->isEnabled());
    click(d.splitMethodGroup->item(4));
    EXPECT_FALSE(d.removeCentreBox->isChecked());
    EXPECT_FALSE(d.removeCentreBox->isEnabled());
    EXPECT_FALSE(d.centreWidthEdit->isEnabled());
    EXPECT_FALSE(d.centreWidthUpButton->isEnabled());
    EXPECT_FALSE(d.centreWidthDownButton->isEnabled());
    // An arrow enables it again, still off.
    click(d.splitMethodGroup->item(0));
    EXPECT_TRUE(d.removeCentreBox->isEnabled());
    EXPECT_FALSE(d.removeCentreBox->isChecked());
    EXPECT_FALSE(d.centreWidthEdit->isEnabled());

    click(d.formatGroup->item(1));
    EXPECT_FALSE(d.qualityEdit->isEnabled());
    EXPECT_FALSE(d.qualityUpButton->isEnabled());
    EXPECT_FALSE(d.qualityDownButton->isEnabled());
    click(d.formatGroup->item(0));
    EXPECT_TRUE(d.qualityEdit->isEnabled());
    EXPECT_TRUE(d.qualityUpButton->isEnabled());
}

TEST_F(SplitDialogTest, HintsShowWhileTheHintBoxIsTicked) {
    SplitDialog& d = splitDialog();
    d.show();
    const std::vector<QWidget*> hinted = {
        d.sourceNamedSubfolderBox, d.copyUnselectedBox, d.resaveUnselectedBox,
        d.splitMethodGroup,        d.centrePanel,       d.marginsPanel};
    EXPECT_EQ(d.copyUnselectedBox->toolTip(),
              QStringLiteral("非選択ファイルを\n単純にコピーします、処理はしません"));
    EXPECT_EQ(d.resaveUnselectedBox->toolTip(),
              QStringLiteral("非選択ファイルも処理します\n｢分割｣と｢中心除去｣はしません\n"
                             "｢回転｣と｢余白除去｣は可能です"));
    EXPECT_EQ(
        d.marginsPanel->toolTip(),
        QStringLiteral("ページ左上の色で余白除去します\nしきい値を上げると色範囲が広がります\n"
                       "写真や文字のギリギリの所まで除去したくない場合は\n残す余白幅を設定します"));
    for (QWidget* w : hinted)
        EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();

    click(d.hintsBox);
    for (QWidget* w : hinted)
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    EXPECT_TRUE(d.destinationEdit->toolTip().isEmpty());

    click(d.hintsBox);
    EXPECT_EQ(d.splitMethodGroup->toolTip(), QStringLiteral("１から２の順で分割します"));
}

TEST_F(SplitDialogTest, CancelAndCloseGiveTheMainWindowBackWithItsCurrentItem) {
    loadFive();
    clickItem(3);
    keyInList(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(catalogue().current(), 0);
    ASSERT_EQ(selectedRows(), (Rows{0, 1, 2, 3, 4}));
    openSplitDialog();
    click(splitDialog().cancelButton);
    EXPECT_FALSE(splitDialog().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(focusedRow(), 0);
    EXPECT_EQ(selectedRows(), (Rows{0, 1, 2, 3, 4}));

    // No current item: the marks stay as they are.
    clickItem(2);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, emptyPoint());
    ASSERT_EQ(catalogue().current(), -1);
    mainWindow().invertSelectionAction->trigger();
    const Rows inverted = selectedRows();
    ASSERT_FALSE(inverted.empty());
    openSplitDialog();
    splitDialog().close();
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(selectedRows(), inverted);
}

TEST_F(SplitDialogTest, BrowseOpensTheFolderChooserOverTheDialog) {
    loadFive();
    selectRows({0});
    openSplitDialog();
    click(splitDialog().browseButton);
    EXPECT_TRUE(folderChooser().isVisible());
    EXPECT_FALSE(splitDialog().isEnabled());
    click(folderChooser().cancelButton);
    EXPECT_FALSE(folderChooser().isVisible());
    EXPECT_TRUE(splitDialog().isEnabled());
}

TEST_F(SplitDialogTest, OkWithAMissingDestinationOnlyRestoresEmptyEdits) {
    loadFive();
    selectRows({0});
    openSplitDialog();
    splitDialog().qualityEdit->clear();
    splitDialog().centreWidthEdit->clear();
    splitDialog().destinationEdit->setText(pathInStart("no such folder"));
    click(splitDialog().okButton);
    EXPECT_TRUE(splitDialog().isVisible());
    EXPECT_FALSE(noticeShown());
    EXPECT_FALSE(splitDialog().batchTimer->isActive());
    EXPECT_EQ(splitDialog().qualityEdit->text(), QStringLiteral("80"));
    EXPECT_EQ(splitDialog().centreWidthEdit->text(), QStringLiteral("20"));
    EXPECT_FALSE(QFileInfo::exists(pathInStart("no such folder")));
}

TEST_F(SplitDialogTest, MarginAndTurnControlsGiveTheBatchTheirValues) {
    SplitDialog& d = splitDialog();
    d.show();
    QImage page(40, 30, QImage::Format_RGB888);
    page.fill(Qt::white);
    for (int y = 10; y < 14; ++y) {
        for (int x = 5; x < 11; ++x)
            page.setPixel(x, y, qRgb(0, 0, 0));
    }
    click(d.removeMarginsBox);
    typeInto(d.keptMarginEdit, "2");
    split::SplitOptions options = d.options();
    EXPECT_TRUE(options.removeMargins);
    EXPECT_EQ(split::removeMargins(page, options.marginThreshold, options.keptMargin).size(),
              QSize(10, 8));

    // 3 x 2 with rows (a b c) (d e f): "R" gives rows (d a) (e b) (f c).
    QImage small(3, 2, QImage::Format_RGB888);
    for (int i = 0; i < 6; ++i)
        small.setPixel(i % 3, i / 3, qRgb(i, i, i));
    click(d.turnBox);
    click(d.turnRightButton);
    options = d.options();
    EXPECT_TRUE(options.turn);
    const QImage turned = split::turnQuarter(small, options.turnDirection);
    ASSERT_EQ(turned.size(), QSize(2, 3));
    EXPECT_EQ(qRed(turned.pixel(0, 0)), 3);
    EXPECT_EQ(qRed(turned.pixel(1, 0)), 0);
    EXPECT_EQ(qRed(turned.pixel(0, 2)), 5);
    click(d.turnLeftButton);
    EXPECT_EQ(split::turnQuarter(turned, d.options().turnDirection), small);
}

}  // namespace
