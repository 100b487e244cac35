#include "book/BindBook.h"

#include "book/BookErrors.h"
#include "book/BookOutput.h"
#include "book/BookPages.h"
#include "book/CbzBook.h"
#include "book/PdfBook.h"
#include "model/FolderListing.h"

#include <QDir>
#include <QFileInfo>

namespace book {

namespace {

// Whether `folder` is the pages folder, however either is spelt.
bool isPagesFolder(const QString& folder, const QString& pagesFolder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(pagesFolder).canonicalFilePath();
}

core::Status checkPlaces(const BindRequest& request) {
    if (!QFileInfo(request.pagesFolder).isDir()) {
        return errors::pagesFolderMissing();
    }
    const QFileInfo output(request.outputFile);
    if (!QFileInfo(output.absolutePath()).isDir()) {
        return errors::outputFolderMissing();
    }
    if (output.isDir()) {
        return errors::outputIsFolder();
    }
    // The book never goes among its pages: the folder stays as it was, and
    // no page can be replaced by the book.
    if (isPagesFolder(output.absolutePath(), request.pagesFolder)) {
        return errors::outputInPagesFolder();
    }
    // Nor over a scan elsewhere: a name the program lists as a picture
    // ("--format pdf book/p001.jpg") is refused.
    if (model::isListedPictureName(output.fileName())) {
        return errors::outputNamedLikeAPicture();
    }
    return core::success();
}

}  // namespace

QString PageProblem::line() const {
    return QStringLiteral("%1: %2").arg(name, reason);
}

QString producerName() {
    return QStringLiteral("Quillfold %1").arg(QStringLiteral(QUILLFOLD_VERSION));
}

std::optional<Format> formatFromSuffix(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf")) {
        return Format::Pdf;
    }
    if (suffix == QLatin1String("cbz")) {
        return Format::Cbz;
    }
    return std::nullopt;
}

BindResult bindBook(const BindRequest& request, const BindProgress& progress,
                    const std::atomic<bool>& cancelled) {
    BindResult result;
    if (result.status = checkPlaces(request); !result.status) {
        return result;
    }
    PageSurvey survey = surveyPages(request.pagesFolder, cancelled);
    if (survey.cancelled) {
        result.cancelled = true;
        result.status = errors::stopped();
        return result;
    }
    if (!survey.readable) {
        result.status = errors::pagesFolderUnreadable();
        return result;
    }
    result.badPages = std::move(survey.problems);
    if (!result.badPages.empty() && !request.skipBad) {
        result.status = errors::badPages(static_cast<int>(result.badPages.size()));
        return result;
    }
    if (survey.pages.empty()) {
        result.status = errors::noPages();
        return result;
    }
    const BookJob job{survey.pages, request, progress, cancelled};
    const BookOutput output = request.format == Format::Pdf ? writePdf(job) : writeCbz(job);
    result.status = output.status;
    result.cancelled = output.cancelled;
    if (output.status) {
        result.pagesBound = static_cast<int>(survey.pages.size());
        result.bookBytes = output.bytes;
    }
    return result;
}

}  // namespace book
