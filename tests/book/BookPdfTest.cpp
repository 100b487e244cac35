// Books bound as a reader opens them: every JPEG page's bytes as they are,
// each page as large as its density says, the reading direction, and a
// rendering that shows the pages (grey, RGB, Adobe's inverted CMYK, BMP).
#include "book/BindBook.h"
#include "imaging/PictureIo.h"
#include "tests/book/PageFiles.h"
#include "tests/support/TestFiles.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <vector>

namespace {

using book_test::JpegColours;

struct Page {
    QString name;
    double widthPoints;
    double heightPoints;
};

std::string rawStream(QPDFObjectHandle stream) {
    const auto buffer = stream.getRawStreamData();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

// The mean difference of two pictures of one size, per channel, 0..255.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_RGB888);
    const QImage second = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width() * 3; ++x) {
            sum += std::abs(first.constScanLine(y)[x] - second.constScanLine(y)[x]);
        }
    }
    return sum / (first.width() * 3.0 * first.height());
}

class BookPdf : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root.path()).mkpath("pages"));
        pages = QDir(root.path()).filePath("pages");
        // Grey at 150 dpi, RGB at 118 dots/cm (299.72 dpi), Adobe CMYK
        // without a density, a BMP at 3937 pixels/m (100 dpi): in natural
        // order, p2 before p10.
        book_test::writeJpegPage(path("p1.jpg"), book_test::smoothPage(300, 420, 1),
                                 JpegColours::Grey, 150);
        book_test::writeJpegPage(path("p2.jpg"), book_test::smoothPage(480, 640, 2),
                                 JpegColours::Rgb, 118, 2);
        book_test::writeJpegPage(path("p10.jpg"), book_test::smoothPage(600, 300, 3),
                                 JpegColours::AdobeCmyk);
        book_test::writeBmpPage(path("p11.bmp"), book_test::smoothPage(200, 300, 4), 3937);
        expected = {{"p1.jpg", 144, 201.6},
                    {"p2.jpg", 480 * 72 / 299.72, 640 * 72 / 299.72},
                    {"p10.jpg", 144, 72},
                    {"p11.bmp", 200 * 72 / 100.0, 300 * 72 / 100.0}};
    }

    QString path(const QString& name) const { return QDir(pages).filePath(name); }

    QTemporaryDir root;
    QString pages;
    std::vector<Page> expected;
};

TEST_F(BookPdf, HoldsEachJpegAsItIsAtItsDensityRightToLeftWithTitleAndAuthor) {
    const QString output = QDir(root.path()).filePath("book.pdf");
    book::BindRequest request = book_test::bindRequest(pages, output);
    request.direction = book::Direction::RightToLeft;
    request.title = QStringLiteral("山の本 <1> & \"2\"");
    request.author = QStringLiteral("著者");
    std::vector<QString> progress;
    const std::atomic<bool> cancelled{false};
    const book::BindResult result = book::bindBook(
        request, [&](int, int, const QString& name) { progress.push_back(name); }, cancelled);
    ASSERT_TRUE(result.status.ok()) << result.status.error().message.toStdString();
    EXPECT_EQ(result.pagesBound, 4);
    EXPECT_EQ(progress, (std::vector<QString>{"p1.jpg", "p2.jpg", "p10.jpg", "p11.bmp"}));

    QPDF pdf;
    pdf.processFile(QFile::encodeName(output).constData());
    const auto bound = QPDFPageDocumentHelper(pdf).getAllPages();
    ASSERT_EQ(bound.size(), expected.size());
    const char* colourSpaces[] = {"/DeviceGray", "/DeviceRGB", "/DeviceCMYK", "/DeviceRGB"};
    for (size_t i = 0; i < bound.size(); ++i) {
        SCOPED_TRACE(expected[i].name.toStdString());
        QPDFPageObjectHelper page = bound[i];
        const auto box = page.getMediaBox().getArrayAsRectangle();
        EXPECT_NEAR(box.urx - box.llx, expected[i].widthPoints, 1.0);
        EXPECT_NEAR(box.ury - box.lly, expected[i].heightPoints, 1.0);
        auto images = page.getImages();
        ASSERT_EQ(images.size(), 1u);
        QPDFObjectHandle image = images.begin()->second;
        QPDFObjectHandle dictionary = image.getDict();
        EXPECT_EQ(dictionary.getKey("/ColorSpace").getName(), colourSpaces[i]);
        if (expected[i].name.endsWith(".jpg")) {
            EXPECT_EQ(dictionary.getKey("/Filter").getName(), "/DCTDecode");
            const QByteArray file = testing_support::readBytes(path(expected[i].name));
            EXPECT_TRUE(rawStream(image) == file.toStdString()) << "the page's bytes changed";
        } else {
            EXPECT_EQ(dictionary.getKey("/Filter").getName(), "/FlateDecode");
        }
    }
    QPDFPageObjectHelper cmykPage = bound[2];
    EXPECT_EQ(cmykPage.getImages().begin()->second.getDict().getKey("/Decode").unparse(),
              "[ 1 0 1 0 1 0 1 0 ]");

    QPDFObjectHandle catalogue = pdf.getRoot();
    EXPECT_EQ(catalogue.getKey("/ViewerPreferences").getKey("/Direction").getName(), "/R2L");
    EXPECT_EQ(catalogue.getKey("/PageLayout").getName(), "/TwoPageRight");
    QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
    EXPECT_EQ(QString::fromStdString(info.getKey("/Title").getUTF8Value()), request.title);
    EXPECT_EQ(QString::fromStdString(info.getKey("/Author").getUTF8Value()), request.author);
    const auto xmp = catalogue.getKey("/Metadata").getStreamData();
    const QString metadata = QString::fromUtf8(reinterpret_cast<const char*>(xmp->getBuffer()),
                                               static_cast<qsizetype>(xmp->getSize()));
    EXPECT_TRUE(metadata.contains("山の本 &lt;1&gt; &amp; &quot;2&quot;"))
        << metadata.toStdString();
    EXPECT_TRUE(metadata.contains("<rdf:li>著者</rdf:li>"));

    // What qpdf's own check and a renderer make of it, where installed.
    const QString qpdfTool = QStandardPaths::findExecutable("qpdf");
    if (!qpdfTool.isEmpty()) {
        QProcess check;
        check.start(qpdfTool, {"--check", output});
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    }
    const QString renderer = QStandardPaths::findExecutable("pdftoppm");
    if (renderer.isEmpty()) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    for (const int pageNumber : {1, 2, 3, 4}) {
        SCOPED_TRACE(pageNumber);
        const QString prefix =
            QDir(root.path()).filePath(QStringLiteral("render%1").arg(pageNumber));
        QProcess render;
        render.start(renderer,
                     {"-r", "20", "-f", QString::number(pageNumber), "-l",
                      QString::number(pageNumber), "-singlefile", "-png", output, prefix});
        ASSERT_TRUE(render.waitForFinished(30000));
        const QImage rendered(prefix + ".png");
        ASSERT_FALSE(rendered.isNull());
        const auto picture =
            imaging::loadPicture(path(expected[static_cast<size_t>(pageNumber - 1)].name));
        ASSERT_TRUE(picture.ok());
        const QImage thumbnail =
            picture->scaled(rendered.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Poppler turns CMYK into RGB as inks mix, duller than the plain
        // inversion the thumbnail takes; a page shown as its negative, or
        // in its inks' colours, would be off by a hundred and more.
        EXPECT_LT(meanDifference(rendered, thumbnail), pageNumber == 3 ? 40.0 : 12.0);
    }
}

}  // namespace
