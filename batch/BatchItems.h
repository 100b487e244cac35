#pragma once

#include "batch/BatchRequest.h"
#include "model/UnlistedPictures.h"
#include "split/ItemWork.h"

#include <QStringList>

#include <vector>

namespace batch {

// The source folder as a batch run sees it.
struct SourceListing {
    // Every picture file of the folder (as the open-folder dialog lists
    // them), whatever the shard: none of them may be replaced by an output.
    QStringList allPaths;
    // The run's items in folder order: the shard's images, each selected or
    // not by the request's rule.
    std::vector<split::SplitItem> items;
    // Entries named like pictures that cannot be listed or opened (names
    // that are not UTF-8, links that lead nowhere, ...), each a failure of
    // the run. Only the first shard holds them, so shards together count
    // each once.
    std::vector<model::UnlistedPicture> unlisted;
    // False when the source folder itself cannot be read.
    bool readable = true;
};

// Lists the source folder and picks the run's items. With selection by
// sample size only the headers are read; an image whose size cannot be
// read stays unselected.
SourceListing listSource(const BatchRequest& request);

}  // namespace batch
