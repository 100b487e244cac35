// Comic book archives, and what every book does with pages it cannot read,
// a place it may not write and a cancel.
#include "book/BindBook.h"
#include "core/Language.h"
#include "tests/book/PageFiles.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <zip.h>

#include <atomic>
#include <memory>

namespace {

using book_test::JpegColours;

struct ArchiveClose {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};

QByteArray entryBytes(zip_t* archive, zip_uint64_t index, zip_uint64_t size) {
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (file == nullptr) {
        return {};
    }
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    const zip_int64_t read = zip_fread(file, bytes.data(), size);
    zip_fclose(file);
    return read == static_cast<zip_int64_t>(size) ? bytes : QByteArray();
}

// Everything in `folder` but the listed names.
QStringList entriesBesides(const QString& folder, const QStringList& names) {
    QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                              QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        left.removeAll(name);
    }
    return left;
}

class BookFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root.path()).mkpath("pages"));
        pages = QDir(root.path()).filePath("pages");
        book_test::writeJpegPage(path("b2.JPG"), book_test::smoothPage(64, 80, 1), JpegColours::Rgb,
                                 300);
        book_test::writeJpegPage(path("b10.jpg"), book_test::smoothPage(80, 64, 2),
                                 JpegColours::Grey);
        book_test::writeBmpPage(path("b11.bmp"), book_test::smoothPage(40, 50, 3), 0);
    }

    QString path(const QString& name) const { return QDir(pages).filePath(name); }
    QString output(const QString& name) const { return QDir(root.path()).filePath(name); }

    QTemporaryDir root;
    QString pages;
    const std::atomic<bool> notCancelled{false};
};

TEST_F(BookFolder, ArchiveStoresEveryPageAsItIsInOrderWithItsComicInfo) {
    book::BindRequest request =
        book_test::bindRequest(pages, output("book.cbz"), book::Format::Cbz);
    request.direction = book::Direction::RightToLeft;
    request.title = QStringLiteral("Tom & <Jerry>");
    const book::BindResult result = book::bindBook(request, {}, notCancelled);
    ASSERT_TRUE(result.status.ok()) << result.status.error().message.toStdString();

    int error = 0;
    const std::unique_ptr<zip_t, ArchiveClose> archive(
        zip_open(QFile::encodeName(request.outputFile).constData(), ZIP_RDONLY, &error));
    ASSERT_TRUE(archive) << error;
    ASSERT_EQ(zip_get_num_entries(archive.get(), 0), 4);
    const QStringList names = {"0001.jpg", "0002.jpg", "0003.bmp"};
    const QStringList files = {"b2.JPG", "b10.jpg", "b11.bmp"};
    for (int i = 0; i < 3; ++i) {
        zip_stat_t entry;
        ASSERT_EQ(zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &entry), 0);
        EXPECT_EQ(QString::fromUtf8(entry.name), names[i]);
        EXPECT_EQ(entry.comp_method, ZIP_CM_STORE) << entry.name;
        EXPECT_EQ(entryBytes(archive.get(), static_cast<zip_uint64_t>(i), entry.size),
                  testing_support::readBytes(path(files[i])))
            << entry.name;
    }
    zip_stat_t info;
    ASSERT_EQ(zip_stat_index(archive.get(), 3, 0, &info), 0);
    EXPECT_STREQ(info.name, "ComicInfo.xml");

    // ComicInfo 2.0: its elements in the schema's order, the cover first.
    QXmlStreamReader xml(entryBytes(archive.get(), 3, info.size));
    QStringList elements;
    QString title;
    QString pageCount;
    QString manga;
    QStringList pageTypes;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString element = xml.name().toString();
        elements << element;
        if (element == "Title") {
            title = xml.readElementText();
        } else if (element == "PageCount") {
            pageCount = xml.readElementText();
        } else if (element == "Manga") {
            manga = xml.readElementText();
        } else if (element == "Page") {
            pageTypes << xml.attributes().value("Type").toString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(elements, (QStringList{"ComicInfo", "Title", "PageCount", "Manga", "Pages", "Page",
                                     "Page", "Page"}));
    EXPECT_EQ(title, request.title);
    EXPECT_EQ(pageCount, "3");
    EXPECT_EQ(manga, "YesAndRightToLeft");
    EXPECT_EQ(pageTypes, (QStringList{"FrontCover", "", ""}));
}

TEST_F(BookFolder, UnreadablePagesWriteNoBookUnlessLeftOut) {
    testing_support::writeBytes(path("b3.jpg"),
                                testing_support::readBytes(path("b2.JPG")).left(40));
    testing_support::writeBytes(path("b4.bmp"), "BM broken");
    testing_support::writeBytes(path("b5.jpg"), "not a picture at all");
    ASSERT_EQ(::mkfifo(QFile::encodeName(output("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(output("fifo"), path("b6.jpg")));
    const QStringList before = QDir(pages).entryList(QDir::Files | QDir::System);

    for (const book::Format format : {book::Format::Pdf, book::Format::Cbz}) {
        const QString name = format == book::Format::Pdf ? "book.pdf" : "book.cbz";
        SCOPED_TRACE(name.toStdString());
        book::BindRequest request = book_test::bindRequest(pages, output(name), format);
        const book::BindResult refused = book::bindBook(request, {}, notCancelled);
        EXPECT_FALSE(refused.status.ok());
        EXPECT_FALSE(QFile::exists(request.outputFile));
        QStringList named;
        for (const book::PageProblem& page : refused.badPages) {
            named << page.name;
            EXPECT_FALSE(page.reason.isEmpty());
        }
        EXPECT_EQ(named, (QStringList{"b3.jpg", "b4.bmp", "b5.jpg", "b6.jpg"}));

        request.skipBad = true;
        const book::BindResult bound = book::bindBook(request, {}, notCancelled);
        ASSERT_TRUE(bound.status.ok()) << bound.status.error().message.toStdString();
        EXPECT_EQ(bound.pagesBound, 3);
        EXPECT_EQ(bound.badPages.size(), 4u);
        EXPECT_TRUE(QFile::exists(request.outputFile));
    }
    EXPECT_EQ(QDir(pages).entryList(QDir::Files | QDir::System), before);
    EXPECT_EQ(entriesBesides(root.path(), {"pages", "fifo", "book.pdf", "book.cbz"}),
              QStringList{});
}

TEST_F(BookFolder, RefusesItsPagesFolderAnEmptyOneAndLeavesNothingWhenCancelledOrFull) {
    const book::BindResult inside =
        book::bindBook(book_test::bindRequest(pages, path("book.pdf")), {}, notCancelled);
    EXPECT_EQ(inside.status.kind(), core::ErrorKind::SourceProtected);
    // A scan kept beside the pages is never taken for the book's name.
    testing_support::writeBytes(output("cover.jpg"), "scan");
    const book::BindResult overScan =
        book::bindBook(book_test::bindRequest(pages, output("cover.jpg")), {}, notCancelled);
    EXPECT_EQ(overScan.status.kind(), core::ErrorKind::SourceProtected);
    EXPECT_EQ(testing_support::readBytes(output("cover.jpg")), "scan");
    QFile::remove(output("cover.jpg"));
    ASSERT_TRUE(QDir(root.path()).mkpath("empty"));
    const book::BindResult empty = book::bindBook(
        book_test::bindRequest(output("empty"), output("empty.pdf")), {}, notCancelled);
    EXPECT_EQ(empty.status.kind(), core::ErrorKind::NothingToWrite);

    for (const book::Format format : {book::Format::Pdf, book::Format::Cbz}) {
        // Cancelled once the first page is in: no book, no temporary file.
        std::atomic<bool> cancelled{false};
        const book::BindResult result = book::bindBook(
            book_test::bindRequest(pages, output("cancelled"), format),
            [&](int done, int, const QString&) { cancelled = done >= 1; }, cancelled);
        EXPECT_TRUE(result.cancelled);
        EXPECT_FALSE(result.status.ok());
        // A disk that fills up: told, not a crash, and nothing left.
        const testing_support::FileSizeLimit fullDisk(1024);
        const book::BindResult full =
            book::bindBook(book_test::bindRequest(pages, output("full"), format), {}, notCancelled);
        EXPECT_FALSE(full.status.ok());
        EXPECT_FALSE(full.cancelled);
    }
    EXPECT_EQ(entriesBesides(root.path(), {"pages", "empty"}), QStringList{});
    EXPECT_EQ(QDir(pages).entryList(QDir::Files).size(), 3);
}

TEST_F(BookFolder, CommandLineExitsAsDocumentedAndSpeaksEitherLanguage) {
    const auto run = [&](const QStringList& arguments, QString* out = nullptr,
                         QString* err = nullptr) {
        QProcess process;
        process.start(QStringLiteral(QUILLFOLD_BOOK), arguments);
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        if (out != nullptr) {
            *out = QString::fromUtf8(process.readAllStandardOutput());
        }
        if (err != nullptr) {
            *err = QString::fromUtf8(process.readAllStandardError());
        }
        return process.exitCode();
    };
    QString out;
    QString err;
    EXPECT_EQ(run({"--language", "en", pages, output("book.pdf")}, &out), 0);
    EXPECT_TRUE(out.startsWith("Pages 3, ")) << out.toStdString();
    EXPECT_EQ(run({pages, output("book.cbz")}, &out), 0);
    EXPECT_TRUE(out.startsWith("ページ 3、")) << out.toStdString();
    EXPECT_EQ(run({"--dpi", "0", pages, output("a.pdf")}), 2);
    EXPECT_EQ(run({pages, output("book.epub")}), 2);
    EXPECT_EQ(run({"--format", "cbz", pages, output("book.epub")}), 0);
    EXPECT_EQ(run({output("missing"), output("b.pdf")}), 2);

    testing_support::writeBytes(path("b3.jpg"), "cut");
    EXPECT_EQ(run({"--language", "en", pages, output("bad.pdf")}, &out, &err), 1);
    EXPECT_TRUE(err.contains("b3.jpg: ")) << err.toStdString();
    EXPECT_FALSE(QFile::exists(output("bad.pdf")));
    EXPECT_EQ(run({"--skip-bad", "--quiet", pages, output("bad.pdf")}, &out), 1);
    EXPECT_TRUE(QFile::exists(output("bad.pdf")));
    EXPECT_EQ(out, QString());
}

}  // namespace
