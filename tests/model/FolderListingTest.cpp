#include "model/FolderListing.h"

#include "model/NonUtf8Names.h"

#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using model::findNonUtf8Names;
using model::isListedPictureName;
using model::listPictureFiles;

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

TEST(FolderListing, NamesThatAreNotUtf8AreCountedNotDroppedSilently) {
    using testing_support::makeRawNamedFolder;
    using testing_support::writeRawNamed;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const testing_support::TreeRemover removeAtEnd(dir.path());
    touch(dir, "p1.jpg");
    touch(dir, "p3.jpg");
    // Qt cannot name these: "p2" + a stray byte, a hidden Shift-JIS name.
    writeRawNamed(dir.path(), "p2\xff.jpg", "x");
    writeRawNamed(dir.path(), ".\x83\x79.BMP", "x");
    // Folders count as folders, whatever their names end with.
    makeRawNamedFolder(dir.path(), "scans\xff");
    makeRawNamedFolder(dir.path(), "album\xff.jpg");
    // Not counted: what neither the list nor the tree would show.
    writeRawNamed(dir.path(), "notes\xff.txt", "x");
    makeRawNamedFolder(dir.path(), ".cache\xff");
    ASSERT_EQ(::symlink("gone.jpg", testing_support::rawPath(dir.path(), "gone\xff.jpg")), 0);

    EXPECT_EQ(listPictureFiles(dir.path()), QStringList({"p1.jpg", "p3.jpg"}));
    const model::NonUtf8Names found = findNonUtf8Names(dir.path());
    EXPECT_EQ(found.pictureFiles, 2);
    EXPECT_EQ(found.folders, 2);
    EXPECT_EQ(found.shownNames,
              QStringList({QStringLiteral(".\uFFFDy.BMP"), QStringLiteral("album\uFFFD.jpg"),
                           QStringLiteral("p2\uFFFD.jpg"), QStringLiteral("scans\uFFFD")}));
    EXPECT_EQ(model::nonUtf8Note(found),
              "名前が UTF-8 でないファイル 2 個とフォルダ 2 個は表示できません。"
              "名前を付け直すと開けます。");
    EXPECT_EQ(model::nonUtf8NameList(found, 2),
              QStringLiteral(".\uFFFDy.BMP\nalbum\uFFFD.jpg\nほか 2 個"));

    model::NonUtf8Names onlyFiles;
    onlyFiles.pictureFiles = 1;
    EXPECT_EQ(model::nonUtf8Note(onlyFiles),
              "名前が UTF-8 でないファイル 1 個は一覧に出せません。名前を付け直すと開けます。");
    model::NonUtf8Names onlyFolders;
    onlyFolders.folders = 3;
    EXPECT_EQ(model::nonUtf8Note(onlyFolders),
              "名前が UTF-8 でないフォルダ 3 個はツリーに出せません。名前を付け直すと開けます。");

    // Names Qt reads (UTF-8, even a replacement character of its own) are
    // listed as before and give no note.
    QTemporaryDir clean;
    ASSERT_TRUE(clean.isValid());
    touch(clean, QStringLiteral("ページ\uFFFD.jpg"));
    EXPECT_EQ(listPictureFiles(clean.path()), QStringList({QStringLiteral("ページ\uFFFD.jpg")}));
    EXPECT_TRUE(findNonUtf8Names(clean.path()).isEmpty());
    EXPECT_TRUE(model::nonUtf8Note(findNonUtf8Names(clean.path())).isEmpty());
    EXPECT_TRUE(findNonUtf8Names(clean.filePath("absent")).isEmpty());
}

}  // namespace
