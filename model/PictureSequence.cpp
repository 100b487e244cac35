#include "model/PictureSequence.h"

#include "imaging/FileNames.h"

namespace model {

QString PictureSequence::path(int index) const {
    return imaging::joinPath(folder(), fileName(index));
}

}  // namespace model
