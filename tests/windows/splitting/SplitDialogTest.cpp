#include "tests/windows/splitting/SplitFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "core/AppState.h"
#include "core/NumberEdit.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "split/RadioGroup.h"
#include "split/SplitDialog.h"
#include "tests/support/TestFiles.h"

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
    EXPECT_EQ(splitDialog().focusWidget(), splitDialog().Button2);
    EXPECT_EQ(splitDialog().windowTitle(), QStringLiteral("分割"));
    EXPECT_EQ(splitDialog().size(), QSize(473, 454));
}

TEST_F(SplitDialogTest, ControlsStartWithTheirDesignedValues) {
    SplitDialog& d = splitDialog();
    EXPECT_TRUE(d.CheckBox1->isChecked());
    EXPECT_TRUE(d.CheckBox2->isChecked());
    EXPECT_FALSE(d.CheckBox3->isChecked());
    EXPECT_TRUE(d.CheckBox8->isChecked());
    EXPECT_TRUE(d.CheckBox7->isChecked());
    EXPECT_EQ(d.RadioGroup1->itemIndex(), 2);
    EXPECT_EQ(d.RadioGroup1->item(2)->text(), QStringLiteral(" ←"));
    EXPECT_EQ(d.RadioGroup1->item(4)->text(), QStringLiteral("なし"));
    // Three columns filled top to bottom: → ↓ | ← ↑ | なし.
    EXPECT_EQ(d.RadioGroup1->item(1)->x(), d.RadioGroup1->item(0)->x());
    EXPECT_GT(d.RadioGroup1->item(1)->y(), d.RadioGroup1->item(0)->y());
    EXPECT_GT(d.RadioGroup1->item(2)->x(), d.RadioGroup1->item(0)->x());
    EXPECT_GT(d.RadioGroup1->item(4)->x(), d.RadioGroup1->item(2)->x());
    EXPECT_EQ(d.RadioGroup2->itemIndex(), 0);
    EXPECT_EQ(d.Edit2->text(), QStringLiteral("80"));
    EXPECT_EQ(d.Edit3->text(), QStringLiteral("100"));
    EXPECT_EQ(d.Edit4->text(), QStringLiteral("0"));
    EXPECT_EQ(d.Edit5->text(), QStringLiteral("20"));
    EXPECT_TRUE(d.Edit2->isEnabled());
    EXPECT_FALSE(d.Edit3->isEnabled());
    EXPECT_FALSE(d.Edit4->isEnabled());
    EXPECT_FALSE(d.Edit5->isEnabled());
    EXPECT_FALSE(d.Button10->isEnabled());
    EXPECT_TRUE(d.RadioButton1->isChecked());
    EXPECT_FALSE(d.RadioButton1->isEnabled());
    EXPECT_FALSE(d.RadioButton2->isEnabled());
    EXPECT_EQ(d.Edit2->accessibleName(), QStringLiteral("圧縮率"));
    EXPECT_EQ(d.Panel2->objectName(), QStringLiteral("Panel2"));
    // The page-order and turn pictures are drawn.
    for (QLabel* image : {d.Image1, d.Image2, d.Image3, d.Image4, d.Image5, d.Image6}) {
        EXPECT_FALSE(image->pixmap().isNull()) << image->objectName().toStdString();
    }
    EXPECT_GT(d.Image1->width(), d.Image1->height());
    EXPECT_GT(d.Image3->height(), d.Image3->width());
    EXPECT_NE(d.Image1->pixmap().toImage(), d.Image2->pixmap().toImage());
    EXPECT_NE(d.Image5->pixmap().toImage(), d.Image6->pixmap().toImage());
}

TEST_F(SplitDialogTest, NumberEditsKeepAnIntegerInRange) {
    SplitDialog& d = splitDialog();
    d.show();
    click(d.CheckBox4);
    ASSERT_TRUE(d.Edit3->isEnabled());

    typeInto(d.Edit3, "300");
    EXPECT_EQ(d.Edit3->text(), QStringLiteral("255"));
    typeInto(d.Edit3, "a");
    EXPECT_EQ(d.Edit3->text(), QString());
    typeInto(d.Edit3, "-");
    EXPECT_EQ(d.Edit3->text(), QString());

    typeInto(d.Edit4, "12345");
    EXPECT_EQ(d.Edit4->text(), QStringLiteral("1234"));

    // Pasted whole, a negative number becomes 0.
    d.Edit4->selectAll();
    d.Edit4->insert(QStringLiteral("-5"));
    EXPECT_EQ(d.Edit4->text(), QStringLiteral("0"));
}

TEST_F(SplitDialogTest, ArrowsStepByTenWithinTheRange) {
    SplitDialog& d = splitDialog();
    d.show();
    typeInto(d.Edit2, "95");
    click(d.Button4);
    EXPECT_EQ(d.Edit2->text(), QStringLiteral("100"));
    click(d.Button4);
    EXPECT_EQ(d.Edit2->text(), QStringLiteral("100"));
    typeInto(d.Edit2, "5");
    click(d.Button5);
    EXPECT_EQ(d.Edit2->text(), QStringLiteral("0"));
    typeInto(d.Edit2, "");
    click(d.Button5);
    EXPECT_EQ(d.Edit2->text(), QStringLiteral("100"));

    click(d.CheckBox5);
    typeInto(d.Edit5, "");
    click(d.Button10);
    EXPECT_EQ(d.Edit5->text(), QStringLiteral("0"));
    typeInto(d.Edit5, "");
    click(d.Button11);
    EXPECT_EQ(d.Edit5->text(), QStringLiteral("9999"));

    click(d.CheckBox4);
    typeInto(d.Edit3, "250");
    click(d.Button6);
    EXPECT_EQ(d.Edit3->text(), QStringLiteral("255"));
    click(d.Button7);
    EXPECT_EQ(d.Edit3->text(), QStringLiteral("245"));
}

TEST_F(SplitDialogTest, CheckBoxesAndGroupsEnableWhatTheyGovern) {
    SplitDialog& d = splitDialog();
    d.show();
    click(d.CheckBox3);
    EXPECT_TRUE(d.CheckBox3->isChecked());
    EXPECT_FALSE(d.CheckBox2->isChecked());
    click(d.CheckBox2);
    EXPECT_TRUE(d.CheckBox2->isChecked());
    EXPECT_FALSE(d.CheckBox3->isChecked());
    click(d.CheckBox2);
    EXPECT_FALSE(d.CheckBox2->isChecked());
    EXPECT_FALSE(d.CheckBox3->isChecked());

    click(d.CheckBox4);
    for (QWidget* w : std::initializer_list<QWidget*>{d.Edit3, d.Button6, d.Button7, d.Edit4,
                                                      d.Button8, d.Button9}) {
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    }
    click(d.CheckBox6);
    EXPECT_TRUE(d.RadioButton1->isEnabled());
    EXPECT_TRUE(d.RadioButton2->isEnabled());

    // "なし" unticks and disables the centre removal.
    click(d.CheckBox5);
    EXPECT_TRUE(d.Edit5->isEnabled());
    click(d.RadioGroup1->item(4));
    EXPECT_FALSE(d.CheckBox5->isChecked());
    EXPECT_FALSE(d.CheckBox5->isEnabled());
    EXPECT_FALSE(d.Edit5->isEnabled());
    EXPECT_FALSE(d.Button10->isEnabled());
    EXPECT_FALSE(d.Button11->isEnabled());
    // An arrow enables it again, still off.
    click(d.RadioGroup1->item(0));
    EXPECT_TRUE(d.CheckBox5->isEnabled());
    EXPECT_FALSE(d.CheckBox5->isChecked());
    EXPECT_FALSE(d.Edit5->isEnabled());

    click(d.RadioGroup2->item(1));
    EXPECT_FALSE(d.Edit2->isEnabled());
    EXPECT_FALSE(d.Button4->isEnabled());
    EXPECT_FALSE(d.Button5->isEnabled());
    click(d.RadioGroup2->item(0));
    EXPECT_TRUE(d.Edit2->isEnabled());
    EXPECT_TRUE(d.Button4->isEnabled());
}

TEST_F(SplitDialogTest, HintsShowWhileCheckBox7IsOn) {
    SplitDialog& d = splitDialog();
    d.show();
    const std::vector<QWidget*> hinted = {d.CheckBox1,   d.CheckBox2, d.CheckBox3,
                                          d.RadioGroup1, d.Panel8,    d.Panel7};
    EXPECT_EQ(d.CheckBox2->toolTip(),
              QStringLiteral("非選択ファイルを\n単純にコピーします、処理はしません"));
    EXPECT_EQ(d.CheckBox3->toolTip(),
              QStringLiteral("非選択ファイルも処理します\n｢分割｣と｢中心除去｣はしません\n"
                             "｢回転｣と｢余白除去｣は可能です"));
    EXPECT_EQ(
        d.Panel7->toolTip(),
        QStringLiteral("ページ左上の色で余白除去します\nしきい値を上げると色範囲が広がります\n"
                       "写真や文字のギリギリの所まで除去したくない場合は\n残す余白幅を設定します"));
    for (QWidget* w : hinted)
        EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();

    click(d.CheckBox7);
    for (QWidget* w : hinted)
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    EXPECT_TRUE(d.Edit1->toolTip().isEmpty());

    click(d.CheckBox7);
    EXPECT_EQ(d.RadioGroup1->toolTip(), QStringLiteral("１から２の順で分割します"));
}

TEST_F(SplitDialogTest, CancelAndCloseGiveTheMainWindowBackWithItsCurrentItem) {
    loadFive();
    clickItem(3);
    keyInList(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(state().CurrentIndex, 0);
    ASSERT_EQ(selectedRows(), (Rows{0, 1, 2, 3, 4}));
    openSplitDialog();
    click(splitDialog().Button2);
    EXPECT_FALSE(splitDialog().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_EQ(focusedRow(), 0);
    EXPECT_EQ(selectedRows(), (Rows{0, 1, 2, 3, 4}));

    // No current item: the marks stay as they are.
    clickItem(2);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, emptyPoint());
    ASSERT_EQ(state().CurrentIndex, -1);
    mainWindow().HANTEN->trigger();
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
    click(splitDialog().Button3);
    EXPECT_TRUE(folderChooser().isVisible());
    EXPECT_FALSE(splitDialog().isEnabled());
    click(folderChooser().Button2);
    EXPECT_FALSE(folderChooser().isVisible());
    EXPECT_TRUE(splitDialog().isEnabled());
}

TEST_F(SplitDialogTest, OkWithAMissingDestinationOnlyRestoresEmptyEdits) {
    loadFive();
    selectRows({0});
    openSplitDialog();
    splitDialog().Edit2->clear();
    splitDialog().Edit5->clear();
    splitDialog().Edit1->setText(pathInStart("no such folder"));
    click(splitDialog().Button1);
    EXPECT_TRUE(splitDialog().isVisible());
    EXPECT_FALSE(noticeShown());
    EXPECT_FALSE(splitDialog().Timer1->isActive());
    EXPECT_EQ(splitDialog().Edit2->text(), QStringLiteral("80"));
    EXPECT_EQ(splitDialog().Edit5->text(), QStringLiteral("20"));
    EXPECT_FALSE(QFileInfo::exists(pathInStart("no such folder")));
}

TEST_F(SplitDialogTest, MarginRemovalAndTurnWorkOnTheNamedPartWithTheDialogsValues) {
    SplitDialog& d = splitDialog();
    d.show();
    QImage page(40, 30, QImage::Format_RGB888);
    page.fill(Qt::white);
    for (int y = 10; y < 14; ++y) {
        for (int x = 5; x < 11; ++x)
            page.setPixel(x, y, qRgb(0, 0, 0));
    }
    state().ScratchBitmap2 = page;
    click(d.CheckBox4);
    typeInto(d.Edit4, "2");
    d.YOHAKU(2);
    ASSERT_TRUE(state().ScratchBitmap2.has_value());
    EXPECT_EQ(state().ScratchBitmap2->size(), QSize(10, 8));
    EXPECT_FALSE(state().ScratchBitmap.has_value());

    // 3 x 2 with rows (a b c) (d e f): "R" gives rows (d a) (e b) (f c).
    QImage small(3, 2, QImage::Format_RGB888);
    for (int i = 0; i < 6; ++i)
        small.setPixel(i % 3, i / 3, qRgb(i, i, i));
    state().ScratchBitmap = small;
    click(d.CheckBox6);
    click(d.RadioButton2);
    d.KAITEN(1);
    ASSERT_EQ(state().ScratchBitmap->size(), QSize(2, 3));
    EXPECT_EQ(qRed(state().ScratchBitmap->pixel(0, 0)), 3);
    EXPECT_EQ(qRed(state().ScratchBitmap->pixel(1, 0)), 0);
    EXPECT_EQ(qRed(state().ScratchBitmap->pixel(0, 2)), 5);
    click(d.RadioButton1);
    d.KAITEN(1);
    EXPECT_EQ(state().ScratchBitmap->convertToFormat(QImage::Format_RGB888), small);
}

}  // namespace
