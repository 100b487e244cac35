#include "split/BatchProgress.h"
#include "split/OutputFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace split {
namespace {

TEST(OutputFolder, LastFolderName) {
    EXPECT_EQ(lastFolderName("/scans/book1"), "book1");
    EXPECT_EQ(lastFolderName("/scans/book1/"), "book1");
#ifdef Q_OS_WIN
    EXPECT_EQ(lastFolderName("C:\\scans\\book1"), "book1");
#else
    // "\" is part of a name here: the subfolder keeps the source's whole name.
    EXPECT_EQ(lastFolderName("/scans/vol 1\\2"), "vol 1\\2");
    EXPECT_EQ(lastFolderName("/scans/book1\\"), "book1\\");
#endif
    EXPECT_EQ(lastFolderName("book1"), "book1");
    EXPECT_EQ(lastFolderName("/"), "");
    EXPECT_EQ(lastFolderName(""), "");
}

TEST(OutputFolder, SubfolderNamedLikeTheSource) {
    EXPECT_EQ(QDir::cleanPath(outputFolderFor("/out", "/scans/book1", true)), "/out/book1");
    EXPECT_EQ(outputFolderFor("/out", "/scans/book1", false), "/out");
    EXPECT_EQ(outputFolderFor("/out", "/", true), "/out");
    // Dots and links name the folder they lead to, never a folder outside
    // the destination.
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("book1/sub"));
    ASSERT_TRUE(QFile::link(root.filePath("book1"), root.filePath("link")));
    for (const QString& source : {root.filePath("book1/."), root.filePath("book1/sub/.."),
                                  root.filePath("book1/"), root.filePath("link")}) {
        EXPECT_EQ(outputFolderFor("/out", source, true), "/out/book1") << source.toStdString();
    }
#ifndef Q_OS_WIN
    EXPECT_EQ(QDir::cleanPath(outputFolderFor("/out", "/scans/vol 1\\2", true)), "/out/vol 1\\2");
#endif
}

TEST(OutputFolder, EnsureFolderCreatesOneLevel) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString made = root.filePath("book1");
    EXPECT_TRUE(ensureFolder(made));
    EXPECT_TRUE(QFileInfo(made).isDir());
    EXPECT_TRUE(ensureFolder(made));  // already there

    EXPECT_FALSE(ensureFolder(root.filePath("missing/book1")));
    EXPECT_FALSE(QFileInfo::exists(root.filePath("missing")));

    testing_support::writeBytes(root.filePath("file"), "x");
    EXPECT_FALSE(ensureFolder(root.filePath("file")));
}

TEST(BatchProgress, TotalAndLine) {
    SplitOptions options;
    options.copyUnselected = false;
    EXPECT_EQ(batchTotal(12, 5, options), 5);
    options.resaveUnselected = true;
    EXPECT_EQ(batchTotal(12, 5, options), 12);
    options.resaveUnselected = false;
    options.copyUnselected = true;
    EXPECT_EQ(batchTotal(12, 5, options), 12);

    EXPECT_EQ(progressLine(1, 12), "1 / 12");
    EXPECT_EQ(progressLine(5, 5), "5 / 5");
    EXPECT_FALSE(progressLine(6, 5).has_value());
}

TEST(SplitOptions, CentreWidthInUseAndEquality) {
    SplitOptions options;
    EXPECT_EQ(options.centreWidthInUse(), 0);  // off by default, width 20 kept
    options.removeCentre = true;
    EXPECT_EQ(options.centreWidthInUse(), 20);
    options.direction = SplitDirection::None;
    EXPECT_EQ(options.centreWidthInUse(), 0);

    SplitOptions other = options;
    EXPECT_EQ(other, options);
    other.destination = "/elsewhere";
    EXPECT_NE(other, options);
}

}  // namespace
}  // namespace split
