#include "book/PdfBook.h"

#include "book/BookErrors.h"
#include "book/PdfMetadata.h"
#include "imaging/BmpRows.h"
#include "imaging/ImagingErrors.h"
#include "imaging/PictureIo.h"
#include "imaging/RegularFile.h"
#include "imaging/ReplacementFile.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QByteArray>

#include <unistd.h>

#include <algorithm>
#include <exception>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace book {

namespace {

constexpr qint64 kCopyChunk = 1 << 20;
constexpr size_t kWriteBuffer = 1 << 20;

// Thrown through qpdf to end the writing: the reason is kept apart.
struct WritingStopped {};

// qpdf's output into the book's temporary file, in large writes.
class ReplacementPipeline : public Pipeline {
public:
    explicit ReplacementPipeline(imaging::ReplacementFile& file)
        : Pipeline("book file", nullptr), file_(file) {
        buffer_.reserve(kWriteBuffer);
    }

    // Small pieces (object headers, dictionaries) are gathered; a page's
    // data, which qpdf hands over whole, go straight to the file.
    void write(unsigned char const* data, size_t length) override {
        if (buffer_.size() + length < kWriteBuffer) {
            buffer_.append(reinterpret_cast<const char*>(data), length);
            return;
        }
        flush();
        put(reinterpret_cast<const char*>(data), length);
    }
    void finish() override { flush(); }

    std::optional<core::Error> failure;

private:
    void flush() {
        put(buffer_.data(), buffer_.size());
        buffer_.clear();
    }

    // Never throws: qpdf finishes pipelines from destructors. Once a write
    // has failed the rest is dropped, and the pages stop the writing
    // (PageImages::stopOnFailureOf).
    void put(const char* data, size_t length) {
        if (failure) {
            return;
        }
        if (const core::Status written = file_.write(data, static_cast<qint64>(length)); !written) {
            failure = written.error();
        }
    }

    imaging::ReplacementFile& file_;
    std::string buffer_;
};

// The pictures' data, read from their files when qpdf writes them.
class PageImages : public QPDFObjectHandle::StreamDataProvider {
public:
    explicit PageImages(const BookJob& job) : job_(job) {}

    void add(QPDFObjGen stream, int page) { pageOf_[stream] = page; }
    // The book file's failure ends the writing at the next page or chunk.
    void stopOnFailureOf(const std::optional<core::Error>& sinkFailure) {
        sinkFailure_ = &sinkFailure;
    }

    void provideStreamData(QPDFObjGen const& stream, Pipeline* pipeline) override {
        stopWhenAsked();
        const BookPage& page = job_.pages[static_cast<size_t>(pageOf_.at(stream))];
        const core::Status copied = page.header.kind == imaging::PictureKind::Jpeg
                                        ? copyFile(page, *pipeline)
                                        : copyPixels(page, *pipeline);
        if (!copied) {
            failure = PageProblem{page.name, copied.error().message};
            throw WritingStopped{};
        }
        if (page.header.kind == imaging::PictureKind::Jpeg) {
            pipeline->finish();  // Pl_Flate has finished it for a BMP page
        }
        job_.pageDone(++done_, page);
    }

    std::optional<PageProblem> failure;
    bool cancelled = false;

private:
    // Ends the writing, from qpdf's call for a page's data, when the user
    // cancelled or the book file cannot take more.
    void stopWhenAsked() {
        if (job_.cancelled.load()) {
            cancelled = true;
            throw WritingStopped{};
        }
        if (sinkFailure_ != nullptr && sinkFailure_->has_value()) {
            throw WritingStopped{};
        }
    }

    // The file's bytes as they are, as long as it is still the file the
    // header was read from.
    core::Status copyFile(const BookPage& page, Pipeline& pipeline) {
        auto file = openPage(page);
        if (!file) {
            return file.error();
        }
        chunk_.resize(kCopyChunk);
        qint64 left = page.header.fileSize;
        while (left > 0) {
            stopWhenAsked();
            const qint64 read = file.value().read(chunk_.data(), std::min(left, kCopyChunk));
            if (read <= 0) {
                return read < 0 ? imaging::errors::cannotRead() : errors::pageChanged();
            }
            pipeline.write(reinterpret_cast<const unsigned char*>(chunk_.constData()),
                           static_cast<size_t>(read));
            left -= read;
        }
        return core::success();
    }

    // The page's pixels as 8-bit RGB, deflated. A plain BMP is read a band
    // of rows at a time, so a large page costs little memory; any other is
    // decoded whole.
    core::Status copyPixels(const BookPage& page, Pipeline& output) {
        auto file = openPage(page);
        if (!file) {
            return file.error();
        }
        Pl_Flate pipeline("page pixels", &output, Pl_Flate::a_deflate);
        const std::optional<imaging::BmpRowLayout> rows = imaging::plainBmpRows(file.value());
        const core::Status copied =
            rows ? copyRows(file.value(), *rows, page, pipeline) : copyDecoded(page, pipeline);
        if (copied) {
            pipeline.finish();
        }
        return copied;
    }

    core::Status copyRows(const imaging::RegularFile& file, const imaging::BmpRowLayout& rows,
                          const BookPage& page, Pipeline& pipeline) {
        if (QSize(rows.width, rows.height) != page.header.size) {
            return errors::pageChanged();
        }
        constexpr int kBandRows = 64;
        chunk_.resize(static_cast<qsizetype>(rows.stride * kBandRows));
        std::vector<uchar> line(static_cast<size_t>(rows.width) * 3);
        for (int top = 0; top < rows.height; top += kBandRows) {
            stopWhenAsked();
            const int count = std::min(kBandRows, rows.height - top);
            const auto length = static_cast<size_t>(rows.stride * count);
            if (::pread(file.handle(), chunk_.data(), length, rows.offsetOfRows(top, count)) !=
                static_cast<ssize_t>(length)) {
                return errors::pageChanged();
            }
            for (int i = 0; i < count; ++i) {
                const int stored = rows.topDown ? i : count - 1 - i;
                imaging::bgrToRgb(chunk_.constData() + stored * rows.stride, rows.width,
                                  line.data());
                pipeline.write(line.data(), line.size());
            }
        }
        return core::success();
    }

    static core::Status copyDecoded(const BookPage& page, Pipeline& pipeline) {
        const auto picture = imaging::loadPicture(page.path);
        if (!picture) {
            return picture.error();
        }
        if (picture->size() != page.header.size) {
            return errors::pageChanged();
        }
        const auto rowBytes = static_cast<size_t>(picture->width()) * 3;
        for (int y = 0; y < picture->height(); ++y) {
            pipeline.write(picture->constScanLine(y), rowBytes);
        }
        return core::success();
    }

    const BookJob& job_;
    const std::optional<core::Error>* sinkFailure_ = nullptr;
    std::map<QPDFObjGen, int> pageOf_;
    QByteArray chunk_;
    int done_ = 0;
};

QPDFObjectHandle name(const char* text) {
    return QPDFObjectHandle::newName(text);
}

QPDFObjectHandle colourSpace(const imaging::PictureHeader& header) {
    if (header.kind == imaging::PictureKind::Bmp) {
        return name("/DeviceRGB");
    }
    switch (header.colours) {
        case imaging::ColourModel::Grey:
            return name("/DeviceGray");
        case imaging::ColourModel::Cmyk:
            return name("/DeviceCMYK");
        case imaging::ColourModel::Rgb:
            break;
    }
    return name("/DeviceRGB");
}

// The image XObject of a page; its data come from `images` when written.
QPDFObjectHandle pageImage(QPDF& pdf, const BookPage& page, int index,
                           const std::shared_ptr<PageImages>& images) {
    QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
    QPDFObjectHandle dictionary = image.getDict();
    dictionary.replaceKey("/Type", name("/XObject"));
    dictionary.replaceKey("/Subtype", name("/Image"));
    dictionary.replaceKey("/Width", QPDFObjectHandle::newInteger(page.header.size.width()));
    dictionary.replaceKey("/Height", QPDFObjectHandle::newInteger(page.header.size.height()));
    dictionary.replaceKey("/ColorSpace", colourSpace(page.header));
    dictionary.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    const bool jpeg = page.header.kind == imaging::PictureKind::Jpeg;
    if (jpeg && page.header.invertedCmyk) {
        dictionary.replaceKey("/Decode", QPDFObjectHandle::parse("[1 0 1 0 1 0 1 0]"));
    }
    images->add(image.getObjGen(), index);
    image.replaceStreamData(images, name(jpeg ? "/DCTDecode" : "/FlateDecode"),
                            QPDFObjectHandle::newNull());
    return image;
}

QPDFObjectHandle pageObject(QPDF& pdf, const BookPage& page, QPDFObjectHandle image,
                            std::optional<int> dpi) {
    const PageSize size = pageSizeInPoints(page.header, dpi);
    const std::string drawing = "q " + QPDFObjectHandle::newReal(size.width, 4).unparse() +
                                " 0 0 " + QPDFObjectHandle::newReal(size.height, 4).unparse() +
                                " 0 0 cm /Im0 Do Q\n";
    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey("/Im0", image);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);
    QPDFObjectHandle mediaBox = QPDFObjectHandle::newArray();
    mediaBox.appendItem(QPDFObjectHandle::newInteger(0));
    mediaBox.appendItem(QPDFObjectHandle::newInteger(0));
    mediaBox.appendItem(QPDFObjectHandle::newReal(size.width, 4));
    mediaBox.appendItem(QPDFObjectHandle::newReal(size.height, 4));
    QPDFObjectHandle object = QPDFObjectHandle::newDictionary();
    object.replaceKey("/Type", name("/Page"));
    object.replaceKey("/MediaBox", mediaBox);
    object.replaceKey("/Resources", resources);
    object.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, drawing));
    return pdf.makeIndirectObject(object);
}

void setReadingDirection(QPDF& pdf, Direction direction) {
    if (direction != Direction::RightToLeft) {
        return;
    }
    QPDFObjectHandle preferences = QPDFObjectHandle::newDictionary();
    preferences.replaceKey("/Direction", name("/R2L"));
    QPDFObjectHandle root = pdf.getRoot();
    root.replaceKey("/ViewerPreferences", preferences);
    root.replaceKey("/PageLayout", name("/TwoPageRight"));
}

// Builds the document, whose pictures are read only when it is written.
void buildDocument(QPDF& pdf, const BookJob& job, const std::shared_ptr<PageImages>& images) {
    pdf.emptyPDF();
    QPDFPageDocumentHelper document(pdf);
    for (size_t i = 0; i < job.pages.size(); ++i) {
        const BookPage& page = job.pages[i];
        QPDFObjectHandle image = pageImage(pdf, page, static_cast<int>(i), images);
        document.addPage(QPDFPageObjectHelper(pageObject(pdf, page, image, job.request.dpi)),
                         false);
    }
    setReadingDirection(pdf, job.request.direction);
    addMetadata(pdf, job.request.title, job.request.author);
}

}  // namespace

BookOutput writePdf(const BookJob& job) {
    BookOutput output;
    imaging::ReplacementFile file(job.request.outputFile);
    if (output.status = file.open(); !output.status) {
        return output;
    }
    auto images = std::make_shared<PageImages>(job);
    ReplacementPipeline sink(file);
    images->stopOnFailureOf(sink.failure);
    try {
        QPDF pdf;
        buildDocument(pdf, job, images);
        QPDFWriter writer(pdf);
        writer.setOutputPipeline(&sink);
        // Every stream goes into the file as it is given: a JPEG page's
        // bytes untouched, a BMP page's pixels compressed by us. (Asked to
        // compress, qpdf would read each JPEG page twice to find that it
        // cannot.)
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        writer.setMinimumPDFVersion("1.4");
        writer.write();
    } catch (const WritingStopped&) {
    } catch (const std::exception& error) {
        if (!images->failure && !images->cancelled && !sink.failure) {
            output.status = errors::pdfNotWritten(QString::fromStdString(error.what()));
            return output;
        }
    }
    if (images->cancelled) {
        output.cancelled = true;
        output.status = errors::stopped();
    } else if (images->failure) {
        output.status = core::Error{core::ErrorKind::CannotRead, images->failure->line()};
    } else if (sink.failure) {
        output.status = *sink.failure;
    } else {
        output.bytes = file.written();
        output.status = file.commit();
    }
    return output;
}

}  // namespace book
