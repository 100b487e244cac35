#include "tests/windows/CatalogueFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/RenameDialog.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

namespace {

using Rows = std::vector<int>;
const QString kSplittable = QStringLiteral("分割可能");

class SelectionTest : public CatalogueFixture {
protected:
    void load(int count) { loadFolder(folder_ = makeFolder("scans", count)); }
    QString folder_;
};

TEST_F(SelectionTest, PressesSetTheCurrentItemAndThePanels) {
    load(25);
    clickItem(0);
    EXPECT_EQ(panel(0), kSplittable);
    EXPECT_EQ(panel(1), QStringLiteral(" [No.1]  p01.jpg"));
    clickItem(11, Qt::ControlModifier);
    EXPECT_EQ(catalogue().current(), 11);
    EXPECT_EQ(panel(1), QStringLiteral(" 2 ヶ所選択"));
    // A plain click on one of them keeps only it, without a caption edit.
    clickItem(11);
    EXPECT_EQ(selectedRows(), Rows{11});
    EXPECT_EQ(panel(1), QStringLiteral(" [No.12]  p12.jpg"));
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(list().findChild<QLineEdit*>(), nullptr);

    // Unselecting the only selected item: it is current, panel 1 stays.
    clickItem(5);
    clickItem(5, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(), Rows{});
    EXPECT_EQ(catalogue().current(), 5);
    EXPECT_EQ(panel(1), QStringLiteral(" [No.6]  p06.jpg"));

    clickEmptySpace();
    EXPECT_EQ(catalogue().current(), -1);
    EXPECT_EQ(panel(0) + panel(1), QString());
    EXPECT_EQ(focusedRow(), -1);
    mainWindow().renameAction->trigger();  // nothing current: no rename
    EXPECT_FALSE(renameDialog().isVisible());
}

TEST_F(SelectionTest, KeysMakeTheLowestSelectedItemCurrent) {
    load(25);
    clickItem(4);
    for (int step = 0; step < 3; ++step)
        keyInList(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(selectedRows(), (Rows{4, 5, 6, 7}));
    EXPECT_EQ(focusedRow(), 7);
    EXPECT_EQ(catalogue().current(), 4);
    EXPECT_EQ(panel(1), QStringLiteral(" 4 ヶ所選択"));

    keyInList(Qt::Key_Escape);  // idle: nothing changes
    EXPECT_EQ(selectedRows(), (Rows{4, 5, 6, 7}));
    EXPECT_EQ(panel(1), QStringLiteral(" 4 ヶ所選択"));

    keyInList(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(selectedRows().size(), 25u);
    EXPECT_EQ(catalogue().current(), 0);
    EXPECT_EQ(panel(1), QStringLiteral(" 25 ヶ所選択"));

    // Keys that leave nothing selected: nothing current, no focus.
    keyInList(Qt::Key_Right);
    EXPECT_EQ(selectedRows(), Rows{8});
    keyInList(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selectedRows(), Rows{});
    EXPECT_EQ(catalogue().current(), -1);
    EXPECT_EQ(panel(0) + panel(1), QString());
    EXPECT_EQ(focusedRow(), -1);
}

TEST_F(SelectionTest, CtrlAOnOneItemNamesIt) {
    load(1);
    keyInList(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(panel(1), QStringLiteral(" [No.1]  p01.jpg"));
}

TEST_F(SelectionTest, InvertFocusesTheLastItemItSelects) {
    load(10);
    mainWindow().invertSelectionAction->trigger();  // fresh catalogue: all selected, none current
    EXPECT_EQ(selectedRows().size(), 10u);
    EXPECT_EQ(catalogue().current(), -1);
    mainWindow().renameAction->trigger();
    EXPECT_FALSE(renameDialog().isVisible());

    clickEmptySpace();
    clickItem(0);
    clickItem(1, Qt::ControlModifier);
    const QString panels = panel(0) + panel(1);
    mainWindow().invertSelectionAction->trigger();
    EXPECT_EQ(selectedRows(), (Rows{2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(focusedRow(), 9);
    EXPECT_EQ(catalogue().current(), 1);
    EXPECT_EQ(panel(0) + panel(1), panels);
}

void editInPlace(CatalogueList& list, int row, const QString& text) {
    list.editItem(list.item(row));
    auto* editor = list.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor hands its text over after the key.
    ASSERT_TRUE(waitUntil([&] { return !list.viewport()->findChild<QLineEdit*>(); }, 5000));
}

TEST_F(SelectionTest, EditInPlaceIsUndoneAndExplained) {
    load(5);
    clickItem(2);
    editInPlace(list(), 2, "renamed.jpg");
    // The notice follows once the editor has gone.
    ASSERT_TRUE(waitFor([this] { return noticeShown(); }));
    EXPECT_EQ(item(2).text(), QStringLiteral("p03.jpg"));
    EXPECT_EQ(noticeText(), QStringLiteral("この方法でリネームはできません"));
    EXPECT_FALSE(mainWindow().isEnabled());
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_TRUE(QFileInfo::exists(folder_ + "/p03.jpg"));

    // An item the last press did not reach gets its own caption back.
    editInPlace(list(), 4, "x.jpg");
    EXPECT_TRUE(waitFor([this] { return noticeShown(); }));
    EXPECT_EQ(item(4).text(), QStringLiteral("p05.jpg"));
}

TEST_F(SelectionTest, WhileLoadingOnlyEscWorks) {
    startLoading(makeFolder("many", 60));
    ASSERT_TRUE(waitFor([&] { return list().count() >= 2; }));
    ASSERT_EQ(panel(0), QStringLiteral("読込中"));
    const Rows loaderSelection = selectedRows();
    mainWindow().invertSelectionAction->trigger();
    mainWindow().autoSelectAction->trigger();
    EXPECT_FALSE(noticeShown());
    EXPECT_EQ(selectedRows(), loaderSelection);
    clickItem(0);
    keyInList(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(catalogue().current(), -1);
    EXPECT_EQ(panel(0), QStringLiteral("読込中"));

    keyInList(Qt::Key_Escape);
    EXPECT_EQ(panel(0), QStringLiteral("読込中断"));
    const int loaded = list().count();
    QTest::qWait(50);
    EXPECT_EQ(list().count(), loaded);
    EXPECT_LT(loaded, 60);
}

}  // namespace
