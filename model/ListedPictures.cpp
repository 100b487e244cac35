#include "model/ListedPictures.h"

#include "model/FolderListing.h"

namespace model {

void ListedPictures::list(const QString& folder) {
    folder_ = folder;
    names_ = listPictureFiles(folder);
    selected_ = -1;
}

QString ListedPictures::fileName(int index) const {
    return index >= 0 && index < count() ? names_.at(index) : QString();
}

void ListedPictures::setCurrent(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    selected_ = index;
    emit selectionChanged(index);
}

}  // namespace model
