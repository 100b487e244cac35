#include "dialogs/FolderListing.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using dialogs::isListedPictureName;
using dialogs::listPictureFiles;

void touch(const QTemporaryDir& dir, const QString& name) {
    testing_support::writeBytes(dir.filePath(name), QByteArray("x"));
}

TEST(FolderListing, ListsOnlyJpgAndBmpInAnyCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"A.JPG", "b.jpg", "c.jpeg", "d.bmp", "e.Bmp", "f.png", "noext",
                             "g.jpg.txt", "h.txt.jpg", "i.JpG"}) {
        touch(dir, name);
    }
    EXPECT_EQ(listPictureFiles(dir.path()),
              QStringList({"A.JPG", "b.jpg", "d.bmp", "e.Bmp", "h.txt.jpg", "i.JpG"}));
}

TEST(FolderListing, TheExtensionIsTakenFromTheLastDot) {
    EXPECT_TRUE(isListedPictureName("a.b.jpg"));
    EXPECT_TRUE(isListedPictureName(".jpg"));
    EXPECT_FALSE(isListedPictureName("jpg"));
    EXPECT_FALSE(isListedPictureName("a.jpg."));
    EXPECT_FALSE(isListedPictureName("a.jpg.bak"));
    EXPECT_FALSE(isListedPictureName("a.jpeg"));
    EXPECT_FALSE(isListedPictureName("a_jpg"));
}

TEST(FolderListing, ListsHiddenFilesAndFileLinksButNoFoldersOrBrokenLinks) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    touch(dir, ".hidden.jpg");
    touch(dir, ".jpg");
    touch(dir, "target.bmp");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
    ASSERT_TRUE(QFile::link(dir.filePath("target.bmp"), dir.filePath("link.jpg")));
    ASSERT_TRUE(QFile::link(dir.filePath("gone.bmp"), dir.filePath("broken.jpg")));
    ASSERT_TRUE(QFile::link(dir.filePath("folder.jpg"), dir.filePath("folderlink.jpg")));
    EXPECT_EQ(listPictureFiles(dir.path()),
              QStringList({".hidden.jpg", ".jpg", "link.jpg", "target.bmp"}));
}

TEST(FolderListing, SortsInNaturalOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"p10.jpg", "P2.jpg", "p1.bmp", "p100.jpg", "p9.JPG"}) {
        touch(dir, name);
    }
    EXPECT_EQ(listPictureFiles(dir.path()),
              QStringList({"p1.bmp", "P2.jpg", "p9.JPG", "p10.jpg", "p100.jpg"}));
}

TEST(FolderListing, MissingOrEmptyFolderGivesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(listPictureFiles(dir.path()).isEmpty());
    EXPECT_TRUE(listPictureFiles(dir.filePath("absent")).isEmpty());
    EXPECT_TRUE(listPictureFiles(QString()).isEmpty());
}

}  // namespace
