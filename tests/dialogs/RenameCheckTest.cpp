#include "dialogs/RenameCheck.h"

#include "dialogs/RenameRules.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using dialogs::checkRename;
using dialogs::renameChecked;
using testing_support::readBytes;
using testing_support::writeBytes;

class RenameCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        writeBytes(path("old.jpg"), "old picture");
    }
    QString folder() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(RenameCheckTest, AFolderOfTheNewNameBlocksTheRename) {
    ASSERT_TRUE(QDir(folder()).mkdir("sub"));
    EXPECT_TRUE(checkRename(folder(), "old.jpg", "sub").nameTaken);
    EXPECT_TRUE(checkRename(folder(), "sub", "new.jpg").fileMissing);
}

TEST_F(RenameCheckTest, RefusedNameIsReportedAloneAndNothingIsLookedAt) {
    // "../old.jpg" would otherwise find a file outside the folder.
    for (const QString& name :
         {QString("../old.jpg"), QString("a/b.jpg"), QString("a|b.jpg"), QString("a\uFF5Cb.jpg"),
          QString("  "), QString("."), QString("..")}) {
        const auto check = checkRename(folder(), "gone.jpg", name);
        EXPECT_TRUE(check.nameRefused) << name.toStdString();
        EXPECT_FALSE(check.nameTaken || check.fileMissing) << name.toStdString();
        EXPECT_FALSE(check.ready());
    }
}

TEST_F(RenameCheckTest, TargetAppearingAfterTheCheckIsNeverReplaced) {
    ASSERT_TRUE(checkRename(folder(), "old.jpg", "new.jpg").ready());
    writeBytes(path("new.jpg"), "someone else's file");

    EXPECT_EQ(renameChecked(folder(), "old.jpg", "new.jpg").kind(), core::ErrorKind::NameTaken);
    EXPECT_EQ(readBytes(path("new.jpg")), QByteArray("someone else's file"));
    EXPECT_EQ(readBytes(path("old.jpg")), QByteArray("old picture"));
}

TEST_F(RenameCheckTest, FileVanishingAfterTheCheckIsReportedMissing) {
    ASSERT_TRUE(checkRename(folder(), "old.jpg", "new.jpg").ready());
    ASSERT_TRUE(QFile::remove(path("old.jpg")));
    EXPECT_EQ(renameChecked(folder(), "old.jpg", "new.jpg").kind(), core::ErrorKind::FileMissing);
}

TEST_F(RenameCheckTest, OtherRefusalsOfTheFileSystemGiveTheForbiddenNameNotice) {
    // Longer than a file name may be (255 bytes): the name rules pass it,
    // the file system refuses it.
    const QString longName = QString(300, QLatin1Char('a')) + ".jpg";
    ASSERT_TRUE(checkRename(folder(), "old.jpg", longName).ready());
    EXPECT_EQ(renameChecked(folder(), "old.jpg", longName).kind(), core::ErrorKind::NameRefused);
    EXPECT_EQ(readBytes(path("old.jpg")), QByteArray("old picture"));
}

}  // namespace
