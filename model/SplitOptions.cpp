#include "model/SplitOptions.h"

#include "imaging/PictureIo.h"

#include <algorithm>

namespace split {

int SplitOptions::centreWidthInUse() const {
    if (!removeCentre || direction == SplitDirection::None) {
        return 0;
    }
    return std::max(centreWidth, 0);
}

bool SplitOptions::keepsBlocksOf(const QString& fileName) const {
    return lossless && format == OutputFormat::Jpeg &&
           imaging::pictureKindOf(fileName) == imaging::PictureKind::Jpeg;
}

}  // namespace split
