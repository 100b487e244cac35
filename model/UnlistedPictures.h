#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace model {

// An entry named like a picture that the listing leaves out although it is
// not a folder, and why it cannot be opened.
struct UnlistedPicture {
    // The name as far as it can be shown (bytes that are not UTF-8 become
    // U+FFFD).
    QString shownName;
    QString reason;
};

// A folder's pictures as a run that must account for every file sees
// them: what listPictureFiles lists, and every other entry named like a
// picture that is not a folder: a name that is not UTF-8, a link that
// leads nowhere or into a folder that cannot be searched, a FIFO, socket
// or device.
struct PictureFolder {
    QStringList names;
    // In NaturalOrder of their shown names.
    std::vector<UnlistedPicture> unlisted;
    // False when the folder itself cannot be read (no permission): then
    // nothing is listed and nothing is known to be missing.
    bool readable = true;
};

PictureFolder readPictureFolder(const QString& folder);

}  // namespace model
