#include "model/FolderListing.h"

#include "imaging/PictureIo.h"
#include "model/NaturalOrder.h"

#include <QDir>
#include <QDirIterator>

namespace model {

bool isListedPictureName(const QString& fileName) {
    return imaging::pictureKindOf(fileName) != imaging::PictureKind::Unknown;
}

QStringList listPictureFiles(const QString& folder) {
    if (folder.isEmpty()) {
        return {};
    }
    // The name filters only narrow the entries before their type is
    // checked; isListedPictureName is the rule.
    QDirIterator entries(folder, {QStringLiteral("*.jpg"), QStringLiteral("*.bmp")},
                         QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList names;
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (isListedPictureName(name)) {
            names.push_back(name);
        }
    }
    NaturalOrder().sort(names);
    return names;
}

}  // namespace model
