#include "book/BookPages.h"

#include "book/BookErrors.h"
#include "imaging/FileNames.h"
#include "model/UnlistedPictures.h"

namespace book {

namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

PageSurvey surveyPages(const QString& folder, const std::atomic<bool>& cancelled) {
    PageSurvey survey;
    model::PictureFolder listing = model::readPictureFolder(folder);
    survey.readable = listing.readable;
    for (model::UnlistedPicture& entry : listing.unlisted) {
        survey.problems.push_back({std::move(entry.shownName), std::move(entry.reason)});
    }
    for (const QString& name : listing.names) {
        if (cancelled.load()) {
            survey.cancelled = true;
            return survey;
        }
        const QString path = imaging::joinPath(folder, name);
        auto header = imaging::readPictureHeader(path);
        if (header) {
            survey.pages.push_back({path, name, std::move(header).value()});
        } else {
            survey.problems.push_back({name, header.error().message});
        }
    }
    return survey;
}

core::Expected<imaging::RegularFile> openPage(const BookPage& page) {
    auto file = imaging::RegularFile::open(page.path);
    if (file && file->size() != page.header.fileSize) {
        return errors::pageChanged();
    }
    return file;
}

PageSize pageSizeInPoints(const imaging::PictureHeader& header, std::optional<int> dpi) {
    QPointF density(kDefaultDpi, kDefaultDpi);
    if (dpi) {
        density = QPointF(*dpi, *dpi);
    } else if (header.dotsPerInch) {
        density = *header.dotsPerInch;
    }
    return {header.size.width() * kPointsPerInch / density.x(),
            header.size.height() * kPointsPerInch / density.y()};
}

}  // namespace book
