#pragma once

#include <QString>

namespace model {

// The catalogue's thumbnail side in pixels, as the settings dialog keeps it
// in its size box: designed 80, accepted from 20 to 150.
inline constexpr int kDesignedThumbnailSide = 80;
inline constexpr int kMinThumbnailSide = 20;
inline constexpr int kMaxThumbnailSide = 150;

// The side a folder is opened with, read from the size box's text. A text
// that is not a number in the accepted range (only a damaged settings file
// can leave one there) gives the designed 80.
int thumbnailSideOf(const QString& sizeText);

}  // namespace model
