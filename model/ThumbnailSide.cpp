#include "model/ThumbnailSide.h"

#include "core/NumberText.h"

namespace model {

int thumbnailSideOf(const QString& sizeText) {
    const NumberParse parsed = parseNumber(sizeText);
    if (!parsed.ok() || parsed.value < kMinThumbnailSide || parsed.value > kMaxThumbnailSide) {
        return kDesignedThumbnailSide;
    }
    return parsed.value;
}

}  // namespace model
