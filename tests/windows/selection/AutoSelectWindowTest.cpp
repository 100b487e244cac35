#include "tests/windows/CatalogueFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "catalogue/StatusTexts.h"
#include "dialogs/SettingsDialog.h"
#include "tests/support/TestFiles.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QDir>
#include <QFile>

namespace {

using Rows = std::vector<int>;

// Catalogue order is the natural order of the names.
enum Item { Sample, Match, TooWide, Portrait, SameSize, Corrupt, ItemCount };

class AutoSelectWindowTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        folder_ = makeFolder("book");
        writeSizedJpeg(path("a_sample.jpg"), {2480, 1748});
        writeSizedJpeg(path("b_match.jpg"), {2490, 1738});  // both differences exactly 10
        writeSizedJpeg(path("c_wide.jpg"), {2491, 1748});
        writeSizedJpeg(path("d_portrait.jpg"), {1748, 2480});
        writeSizedJpeg(path("e_same.jpg"), {2480, 1748});
        testing_support::writeBytes(path("f_corrupt.jpg"), "not a picture");
        loadFolder(folder_);
        ASSERT_EQ(list().count(), ItemCount);
    }
    QString path(const QString& name) const { return QDir(folder_).filePath(name); }
    // Selects only the sample and runs the command. (A click on an item
    // that is already selected among others would start a caption edit.)
    Rows autoSelect(int sample) {
        clickEmptySpace();
        clickItem(sample);
        mainWindow().autoSelectAction->trigger();
        EXPECT_TRUE(mainWindow().isEnabled() || noticeShown());
        return selectedRows();
    }
    QString folder_;
};

TEST_F(AutoSelectWindowTest, SelectsWithinTheToleranceBothBoundsIncluded) {
    EXPECT_EQ(autoSelect(Sample), (Rows{Sample, Match, SameSize}));
    EXPECT_EQ(catalogue().current(), Sample);
    EXPECT_EQ(focusedRow(), Sample);
    EXPECT_EQ(panel(1), catalogue::unreadableFilesText(1));
    EXPECT_EQ(autoSelect(Portrait), (Rows{Portrait}));

    settingsDialog().toleranceEdit->setText("0");
    EXPECT_EQ(autoSelect(Match), (Rows{Match}));
    EXPECT_EQ(autoSelect(SameSize), (Rows{Sample, SameSize}));
    settingsDialog().toleranceEdit->setText("");  // acts as the designed 10
    EXPECT_EQ(autoSelect(Sample), (Rows{Sample, Match, SameSize}));
}

TEST_F(AutoSelectWindowTest, SampleMustBeOneReadableSelectedPicture) {
    clickItem(3);
    clickItem(4, Qt::ControlModifier);
    mainWindow().autoSelectAction->trigger();
    EXPECT_EQ(noticeText(), QStringLiteral("見本を１つ選択して下さい。"));
    EXPECT_FALSE(mainWindow().isEnabled());
    pressNoticeOk();
    EXPECT_EQ(selectedRows(), (Rows{3, 4}));

    EXPECT_EQ(autoSelect(Corrupt), Rows{Corrupt});
    EXPECT_EQ(noticeText(), QStringLiteral("見本の画像を読み込めません"));
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());

    // The current item is the sample: the selected one that does not match
    // it is unselected.
    clickItem(Sample);
    clickItem(TooWide, Qt::ControlModifier);
    clickItem(TooWide, Qt::ControlModifier);
    ASSERT_EQ(catalogue().current(), TooWide);
    ASSERT_EQ(selectedRows(), Rows{Sample});
    mainWindow().autoSelectAction->trigger();
    EXPECT_EQ(selectedRows(), (Rows{Match, TooWide}));

    // After an inversion nothing is current: the one selected item is the sample.
    clickEmptySpace();
    ASSERT_EQ(catalogue().current(), -1);
    for (int row = 0; row < ItemCount; ++row) {
        if (row != Match)
            list().item(row)->setSelected(true);
    }
    mainWindow().invertSelectionAction->trigger();
    ASSERT_EQ(selectedRows(), Rows{Match});
    mainWindow().autoSelectAction->trigger();
    EXPECT_EQ(selectedRows(), (Rows{Sample, Match, TooWide, SameSize}));
}

TEST_F(AutoSelectWindowTest, MissingFilesChangeNothing) {
    ASSERT_TRUE(QFile::remove(path("a_sample.jpg")));
    EXPECT_EQ(autoSelect(Sample), Rows{Sample});
    EXPECT_FALSE(noticeShown());
    ASSERT_TRUE(QFile::remove(path("b_match.jpg")));
    EXPECT_EQ(autoSelect(SameSize), Rows{SameSize});
    EXPECT_TRUE(mainWindow().isEnabled());
}

}  // namespace
