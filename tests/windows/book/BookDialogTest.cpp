// File > Bind into a book on a loaded folder of pages: the dialog's preset,
// the binding on a worker thread under the notice box, and a page that
// cannot be read.
#include "tests/windows/CatalogueFixture.h"

#include "book/BookDialog.h"
#include "catalogue/MainWindow.h"
#include "dialogs/NoticeBox.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using testing_support::patternImage;
using testing_support::readBytes;
using testing_support::writeBytes;
using testing_support::writeJpeg;

class BookDialogTest : public CatalogueFixture {
protected:
    // p1.jpg, p2.jpg and p10.jpg in a folder "book1" of the start folder,
    // loaded into the catalogue.
    QString loadPages() {
        const QString folder = makeFolder(QStringLiteral("book1"));
        for (const char* name : {"p1.jpg", "p2.jpg", "p10.jpg"})
            writeJpeg(QDir(folder).filePath(name), patternImage(60, 80));
        loadFolder(folder);
        return folder;
    }
    void openBookDialog() {
        mainWindow().bookAction->trigger();
        ASSERT_TRUE(bookDialog().isVisible());
        EXPECT_FALSE(mainWindow().isEnabled());
    }
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    }
};

TEST_F(BookDialogTest, BindsTheOpenFolderBesideItAndNamesAPageThatCannotBeRead) {
    const QString folder = loadPages();
    openBookDialog();
    BookDialog& dialog = bookDialog();
    const QString book = QFileInfo(folder).absolutePath() + QStringLiteral("/book1.pdf");
    EXPECT_EQ(dialog.bookFileEdit->text(), book);
    EXPECT_EQ(dialog.titleEdit->text(), QStringLiteral("book1"));
    // The split dialog's ← (right page first) reads right to left.
    EXPECT_TRUE(dialog.rightToLeftButton->isChecked());
    click(dialog.cbzButton);
    EXPECT_TRUE(dialog.bookFileEdit->text().endsWith(QStringLiteral("/book1.cbz")));
    click(dialog.pdfButton);
    EXPECT_EQ(dialog.bookFileEdit->text(), book);

    click(dialog.okButton);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(waitFor([&] { return noticeText() == QStringLiteral("完了"); }, 20000));
    EXPECT_EQ(noticeLine(), QStringLiteral("book1.pdf: 3 ページ"));
    EXPECT_TRUE(readBytes(book).startsWith("%PDF-"));
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());

    // A page cut short: no book, and the page named with why.
    QFile::remove(book);
    const QByteArray whole = readBytes(QDir(folder).filePath("p2.jpg"));
    writeBytes(QDir(folder).filePath("p2.jpg"), whole.left(40));
    openBookDialog();
    click(bookDialog().okButton);
    ASSERT_TRUE(
        waitFor([&] { return noticeText() == QStringLiteral("本を作れませんでした"); }, 20000));
    EXPECT_TRUE(noticeBox().secondLineLabel->toolTip().startsWith(QStringLiteral("p2.jpg: ")));
    // Nor a temporary file beside it.
    EXPECT_TRUE(QDir(QFileInfo(folder).absolutePath())
                    .entryList({QStringLiteral("*book1*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
}

}  // namespace
