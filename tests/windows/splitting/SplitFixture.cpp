#include "tests/windows/splitting/SplitFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/TForm1.h"
#include "core/AppState.h"
#include "dialogs/TForm2.h"
#include "dialogs/TForm6.h"
#include "imaging/PictureIo.h"
#include "split/TForm3.h"
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
    form1().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
    QTest::keyClick(&form1(), Qt::Key_B);
    ASSERT_TRUE(form3().isVisible());
    ASSERT_FALSE(form1().isEnabled());
}

void SplitFixture::pressOk(const QString& destination) {
    form3().Edit1->setText(destination);
    QTest::mouseClick(form3().Button1, Qt::LeftButton);
    ASSERT_TRUE(form6().isVisible());
    ASSERT_FALSE(form3().isVisible());
}

void SplitFixture::takeTimerOver() {
    // No event has run since OK, so no tick has either.
    ASSERT_TRUE(form3().Timer1->isActive());
    form3().Timer1->stop();
}

void SplitFixture::stepItem() {
    const int before = state().WorkIndex;
    // A tick finds the item's work still running on its worker and tries
    // again at the next one; the test ticks until the item is done.
    ASSERT_TRUE(waitFor([&] {
        form3().Timer1Timer();
        return state().WorkIndex != before;
    })) << "item "
        << before << " did not finish";
    ASSERT_EQ(state().WorkIndex, before + 1);
}

void SplitFixture::runToEnd() {
    ASSERT_TRUE(waitFor([&] { return noticeText().startsWith(QStringLiteral("完了")); }, 20000))
        << noticeText().toStdString();
    EXPECT_FALSE(form3().Timer1->isActive());
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
