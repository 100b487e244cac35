#include "imaging/FileCommit.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using imaging::commitFile;
using imaging::copyFileReplacing;
using imaging::isSameFile;
using imaging::renameNoReplace;
using testing_support::FileSizeLimit;
using testing_support::readBytes;
using testing_support::writeBytes;

namespace {

class FileCommit : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    // Everything in the folder, so a left-over temporary file shows up.
    QStringList entries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    static std::string messageOf(const core::Status& status) {
        return status.ok() ? std::string("(no error)") : status.error().message.toStdString();
    }

    QTemporaryDir folder_;
};

}  // namespace

TEST_F(FileCommit, WritesAndReplacesWithoutLeavingTemporaryFiles) {
    ASSERT_TRUE(commitFile(path("out.jpg"), "first").ok());
    EXPECT_EQ(readBytes(path("out.jpg")), "first");
    ASSERT_TRUE(commitFile(path("out.jpg"), "second, longer").ok());
    EXPECT_EQ(readBytes(path("out.jpg")), "second, longer");
    ASSERT_TRUE(commitFile(path("empty.bmp"), QByteArray()).ok());
    EXPECT_EQ(entries(), (QStringList{"empty.bmp", "out.jpg"}));
}

TEST_F(FileCommit, FailsCleanlyWhereNothingCanBeWritten) {
    EXPECT_EQ(messageOf(commitFile(path("missing/out.jpg"), "data")),
              "保存先のフォルダが見当たりません");
    EXPECT_FALSE(QFileInfo::exists(path("missing")));

    ASSERT_TRUE(QDir(folder_.path()).mkdir("taken.jpg"));
    writeBytes(path("taken.jpg/inside.txt"), "keep");
    EXPECT_EQ(messageOf(commitFile(path("taken.jpg"), "data")), "ファイルを書き込めません");
    EXPECT_TRUE(QFileInfo(path("taken.jpg")).isDir());
    EXPECT_EQ(readBytes(path("taken.jpg/inside.txt")), "keep");
    EXPECT_EQ(entries(), QStringList{"taken.jpg"});
}

TEST_F(FileCommit, AWriteCutShortLeavesTheTargetAsItWas) {
    // Below and above the 16 KB that Qt buffers before writing anything.
    const QByteArray small(10 * 1024, 's');
    const QByteArray large(100 * 1024, 'l');
    writeBytes(path("small.jpg"), small);
    writeBytes(path("large.jpg"), large);
    writeBytes(path("target.jpg"), "previous");
    const FileSizeLimit limit(4 * 1024);
    for (const QByteArray& bytes : {small, large}) {
        SCOPED_TRACE(bytes.size());
        EXPECT_EQ(messageOf(commitFile(path("target.jpg"), bytes)), "ファイルを書き込めません");
        EXPECT_EQ(readBytes(path("target.jpg")), "previous");
    }
    for (const QString source : {"small.jpg", "large.jpg"}) {
        SCOPED_TRACE(source.toStdString());
        EXPECT_EQ(messageOf(copyFileReplacing(path(source), path("target.jpg"))),
                  "ファイルを書き込めません");
        EXPECT_EQ(readBytes(path("target.jpg")), "previous");
    }
    EXPECT_EQ(entries(), (QStringList{"large.jpg", "small.jpg", "target.jpg"}));
    // What fits is still written.
    EXPECT_TRUE(commitFile(path("target.jpg"), "fits").ok());
    EXPECT_EQ(readBytes(path("target.jpg")), "fits");
}

TEST_F(FileCommit, CopiesReplacingTheTarget) {
    QByteArray large(3 * 1024 * 1024 + 17, '\0');  // more than one chunk
    for (qsizetype i = 0; i < large.size(); ++i) {
        large[i] = static_cast<char>(i * 31);
    }
    writeBytes(path("source.jpg"), large);
    writeBytes(path("target.jpg"), "old");
    ASSERT_TRUE(copyFileReplacing(path("source.jpg"), path("target.jpg")).ok());
    EXPECT_EQ(readBytes(path("target.jpg")), large);
    EXPECT_EQ(readBytes(path("source.jpg")), large);
    EXPECT_EQ(entries(), (QStringList{"source.jpg", "target.jpg"}));
}

TEST_F(FileCommit, RefusesCopiesThatWouldLoseData) {
    writeBytes(path("page.jpg"), "page");
    EXPECT_EQ(messageOf(copyFileReplacing(path("page.jpg"), path("page.jpg"))),
              "同じファイルにはコピーできません");
    // The same file under another name is refused as well.
    ASSERT_EQ(::link(QFile::encodeName(path("page.jpg")).constData(),
                     QFile::encodeName(path("alias.jpg")).constData()),
              0);
    EXPECT_FALSE(copyFileReplacing(path("page.jpg"), path("alias.jpg")).ok());
    EXPECT_EQ(readBytes(path("page.jpg")), "page");

    EXPECT_EQ(messageOf(copyFileReplacing(path("absent.jpg"), path("copy.jpg"))),
              "ファイルが見当たりません");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("dir.jpg"));
    EXPECT_FALSE(copyFileReplacing(path("page.jpg"), path("dir.jpg")).ok());
    EXPECT_FALSE(copyFileReplacing(path("dir.jpg"), path("copy.jpg")).ok());
    EXPECT_EQ(entries(), (QStringList{"alias.jpg", "dir.jpg", "page.jpg"}));
}

TEST_F(FileCommit, RenameNeverReplacesAnExistingFile) {
    writeBytes(path("a.jpg"), "A");
    writeBytes(path("b.jpg"), "B");
    EXPECT_EQ(messageOf(renameNoReplace(path("a.jpg"), path("b.jpg"))), "同名ファイルがあります");
    EXPECT_EQ(readBytes(path("a.jpg")), "A");
    EXPECT_EQ(readBytes(path("b.jpg")), "B");

    ASSERT_TRUE(renameNoReplace(path("a.jpg"), path("c.jpg")).ok());
    EXPECT_FALSE(QFileInfo::exists(path("a.jpg")));
    EXPECT_EQ(readBytes(path("c.jpg")), "A");

    EXPECT_EQ(messageOf(renameNoReplace(path("a.jpg"), path("d.jpg"))), "ファイルが見当たりません");
    EXPECT_FALSE(renameNoReplace(path("c.jpg"), path("no-folder/c.jpg")).ok());
    EXPECT_EQ(readBytes(path("c.jpg")), "A");
    EXPECT_EQ(entries(), (QStringList{"b.jpg", "c.jpg"}));
}

TEST_F(FileCommit, RecognisesTheSameFile) {
    writeBytes(path("one.bmp"), "1");
    writeBytes(path("two.bmp"), "1");
    EXPECT_TRUE(isSameFile(path("one.bmp"), path("one.bmp")));
    EXPECT_TRUE(isSameFile(path("one.bmp"), folder_.path() + "/./one.bmp"));
    EXPECT_FALSE(isSameFile(path("one.bmp"), path("two.bmp")));
    EXPECT_FALSE(isSameFile(path("one.bmp"), path("absent.bmp")));
    EXPECT_FALSE(isSameFile(path("absent.bmp"), path("absent.bmp")));
}

TEST_F(FileCommit, ALinkAtTheTargetsNameIsReplacedAndNeverWrittenThrough) {
    QTemporaryDir elsewhere;
    const QString notes = QDir(elsewhere.path()).filePath("notes.txt");
    const QString nowhere = QDir(elsewhere.path()).filePath("new.txt");
    writeBytes(notes, "notes");
    writeBytes(path("source.jpg"), "copied");
    ASSERT_TRUE(QFile::link(notes, path("p_1.jpg")));
    ASSERT_TRUE(QFile::link(nowhere, path("p_2.jpg")));
    ASSERT_TRUE(QFile::link(notes, path("copy.jpg")));

    EXPECT_TRUE(commitFile(path("p_1.jpg"), "page one").ok());
    EXPECT_TRUE(commitFile(path("p_2.jpg"), "page two").ok());
    EXPECT_TRUE(copyFileReplacing(path("source.jpg"), path("copy.jpg")).ok());

    EXPECT_EQ(readBytes(notes), "notes");
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    for (const auto& [name, bytes] :
         {std::pair{"p_1.jpg", "page one"}, std::pair{"p_2.jpg", "page two"},
          std::pair{"copy.jpg", "copied"}}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(QFileInfo(path(name)).isSymLink());
        EXPECT_EQ(readBytes(path(name)), bytes);
    }
    EXPECT_EQ(entries(), (QStringList{"copy.jpg", "p_1.jpg", "p_2.jpg", "source.jpg"}));
}
