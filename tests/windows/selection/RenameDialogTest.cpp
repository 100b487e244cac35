#include "tests/windows/CatalogueFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/RenameDialog.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Rows = std::vector<int>;
using testing_support::readBytes;

class RenameDialogTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        loadFolder(folder_ = makeFolder("pages", 5));
        clickItem(3);
        clickItem(2, Qt::ControlModifier);  // item 2 current, 2 and 3 selected
    }
    QString path(const QString& name) const { return QDir(folder_).filePath(name); }

    // R pressed in the list; its release goes to the dialog that opens.
    void openRename() {
        QTest::keyPress(&list(), Qt::Key_R);
        ASSERT_TRUE(renameDialog().isVisible());
    }
    // Types over the name, one key event per character of any script.
    void typeName(const QString& name) {
        renameDialog().newNameEdit->selectAll();
        for (const QChar c : name) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(renameDialog().newNameEdit, &press);
        }
    }
    void pressOk() { QTest::mouseClick(renameDialog().okButton, Qt::LeftButton); }
    // The notice `text` is shown over the dialog; its OK gives the dialog
    // back with the typed name, and nothing was renamed.
    void expectRefused(const QString& text, const QString& typed) {
        EXPECT_EQ(noticeText(), text) << typed.toStdString();
        EXPECT_FALSE(renameDialog().isEnabled());
        pressNoticeOk();
        EXPECT_TRUE(renameDialog().isVisible() && renameDialog().isEnabled());
        EXPECT_FALSE(mainWindow().isEnabled());
        EXPECT_EQ(renameDialog().newNameEdit->text(), typed);
        EXPECT_EQ(item(2).text(), QStringLiteral("p03.jpg"));
        EXPECT_EQ(QDir(folder_).entryList(QDir::Files).size(), folderFiles_);
    }

    QString folder_;
    qsizetype folderFiles_ = 5;
};

TEST_F(RenameDialogTest, RenamesTheFileAndOnlyTheCurrentCaption) {
    const QByteArray contents = readBytes(path("p03.jpg"));
    openRename();
    EXPECT_EQ(renameDialog().newNameEdit->text(), QStringLiteral("p03.jpg"));
    EXPECT_EQ(renameDialog().focusWidget(), renameDialog().newNameEdit);
    EXPECT_FALSE(mainWindow().isEnabled());
    typeName("第3章 扉.jpg");
    pressOk();
    EXPECT_FALSE(noticeShown());
    EXPECT_FALSE(renameDialog().isVisible());
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_FALSE(QFileInfo::exists(path("p03.jpg")));
    EXPECT_EQ(readBytes(path("第3章 扉.jpg")), contents);
    EXPECT_EQ(item(2).text(), QStringLiteral("第3章 扉.jpg"));
    EXPECT_EQ(item(3).text(), QStringLiteral("p04.jpg"));
    EXPECT_EQ(panel(1), QStringLiteral(" [No.3]  第3章 扉.jpg"));
    EXPECT_EQ(catalogue().current(), 2);
    EXPECT_EQ(selectedRows(), (Rows{2, 3}));
}

TEST_F(RenameDialogTest, EnterIsOkWhileEscCancelAndCloseRenameNothing) {
    openRename();
    typeName("p99.jpg");
    QTest::keyClick(renameDialog().newNameEdit, Qt::Key_Escape);
    openRename();
    QTest::mouseClick(renameDialog().cancelButton, Qt::LeftButton);
    openRename();
    renameDialog().close();
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_TRUE(QFileInfo::exists(path("p03.jpg")));

    openRename();
    EXPECT_EQ(renameDialog().newNameEdit->text(), QStringLiteral("p03.jpg"));
    typeName("p99.jpg");
    QTest::keyClick(renameDialog().newNameEdit, Qt::Key_Return);
    EXPECT_FALSE(renameDialog().isVisible());
    EXPECT_TRUE(QFileInfo::exists(path("p99.jpg")));
}

TEST_F(RenameDialogTest, NoticesInTheirOrder) {
    openRename();
    renameDialog().newNameEdit->clear();
    pressOk();  // empty: nothing at all
    EXPECT_FALSE(noticeShown());

    typeName("p03.jpg");
    pressOk();
    expectRefused(QStringLiteral("同名ファイルがあります"), "p03.jpg");
    const QByteArray other = readBytes(path("p04.jpg"));
    typeName("p04.jpg");
    pressOk();
    expectRefused(QStringLiteral("同名ファイルがあります"), "p04.jpg");
    EXPECT_EQ(readBytes(path("p04.jpg")), other);

    for (const QString& name : {QString("a:b.jpg"), QString("../p01.jpg"), QString("a|b.jpg"),
                                QString("a\uFF5Cb.jpg"), QString("   "), QString("..")}) {
        typeName(name);
        pressOk();
        EXPECT_EQ(noticeLine(), QStringLiteral("\\ / : , ; * ? \" < > \uFF5C"));
        expectRefused(QStringLiteral("ファイル名に使えない文字が含まれてます"), name);
    }

    ASSERT_TRUE(QFile::remove(path("p03.jpg")));
    folderFiles_ = 4;
    typeName("new.jpg");
    pressOk();
    expectRefused(QStringLiteral("ファイルが見当たりません"), "new.jpg");
    typeName("p04.jpg");  // taken and missing: the second notice shows
    pressOk();
    expectRefused(QStringLiteral("ファイルが見当たりません"), "p04.jpg");
    EXPECT_FALSE(noticeShown());
}

}  // namespace
