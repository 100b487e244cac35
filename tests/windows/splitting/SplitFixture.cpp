#include "tests/windows/splitting/SplitFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "core/AppState.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "imaging/PictureIo.h"
#include "split/SplitDialog.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

void SplitFixture::loadBook(const Pictures& pictures) {
    book_ = makeFolder("book1");
    out_ = makeFolder("out");
    for (const auto& [name, picture] : pictures) {
        const QString path = QDir(book_).filePath(name);
        if (name.endsWith(".bmp")) {
            testing_support::writeBmp(path, picture);
        } else {
            testing_support::writeJpeg(path, picture);
        }
    }
    loadFolder(book_);
    ASSERT_EQ(list().count(), static_cast<int>(pictures.size()));
}

void SplitFixture::selectRows(const std::vector<int>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        clickItem(rows[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
}

int SplitFixture::rowOf(const QString& caption) {
    for (int row = 0; row < list().count(); ++row) {
        if (list().item(row)->text() == caption)
            return row;
    }
    return -1;
}

void SplitFixture::openSplitDialog() {
    // The user comes back to the main window (the notice box may have had
    // the focus last) and presses B.
    mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    QTest::keyClick(&mainWindow(), Qt::Key_B);
    ASSERT_TRUE(splitDialog().isVisible());
    ASSERT_FALSE(mainWindow().isEnabled());
}

void SplitFixture::pressOk(const QString& destination) {
    splitDialog().Edit1->setText(destination);
    QTest::mouseClick(splitDialog().Button1, Qt::LeftButton);
    ASSERT_TRUE(noticeBox().isVisible());
    ASSERT_FALSE(splitDialog().isVisible());
}

void SplitFixture::takeTimerOver() {
    // No event has run since OK, so no tick has either.
    ASSERT_TRUE(splitDialog().Timer1->isActive());
    splitDialog().Timer1->stop();
}

void SplitFixture::stepItem() {
    const int before = state().WorkIndex;
    // A tick finds the item's work still running on its worker and tries
    // again at the next one; the test ticks until the item is done.
    ASSERT_TRUE(waitFor([&] {
        splitDialog().Timer1Timer();
        return state().WorkIndex != before;
    })) << "item "
        << before << " did not finish";
    ASSERT_EQ(state().WorkIndex, before + 1);
}

void SplitFixture::runToEnd() {
    ASSERT_TRUE(waitFor([&] { return noticeText().startsWith(QStringLiteral("完了")); }, 20000))
        << noticeText().toStdString();
    EXPECT_FALSE(splitDialog().Timer1->isActive());
}

QStringList SplitFixture::filesIn(const QString& folder) const {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    return names;
}

QImage SplitFixture::loadOutput(const QString& path) const {
    const auto picture = imaging::loadPicture(path);
    EXPECT_TRUE(picture.ok()) << path.toStdString() << ": "
                              << (picture.ok() ? "" : picture.error().message.toStdString());
    return picture.ok() ? picture.value() : QImage();
}
