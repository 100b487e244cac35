#include "batch/BatchItems.h"

#include "imaging/FileNames.h"
#include "imaging/PictureIo.h"
#include "model/AutoSelect.h"

#include <utility>

namespace batch {

namespace {

bool isSelected(const BatchRequest& request, const QString& path) {
    switch (request.selection) {
        case SelectionRule::All:
            return true;
        case SelectionRule::None:
            return false;
        case SelectionRule::BySampleSize: {
            const auto size = imaging::readPictureSize(path);
            return size && model::sizeMatches(request.sampleSize, *size, request.tolerance);
        }
    }
    return false;
}

}  // namespace

SourceListing listSource(const BatchRequest& request) {
    SourceListing listing;
    model::PictureFolder folder = model::readPictureFolder(request.sourceFolder);
    listing.readable = folder.readable;
    if (request.shard.index == 1) {
        listing.unlisted = std::move(folder.unlisted);
    }
    const QStringList& names = folder.names;
    for (int index = 0; index < names.size(); ++index) {
        const QString path = imaging::joinPath(request.sourceFolder, names[index]);
        listing.allPaths << path;
        if (request.shard.holds(index + 1)) {
            listing.items.push_back(
                split::SplitItem{path, names[index], isSelected(request, path)});
        }
    }
    return listing;
}

}  // namespace batch
