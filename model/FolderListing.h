#pragma once

#include <QString>
#include <QStringList>

namespace model {

// True for the names the open-folder dialog lists: the extension (from the
// last "." of the name, dot included) is ".jpg" or ".bmp" in any letter
// case. "c.jpeg", "d.png" and names without a dot are not listed. A name
// that is only an extension, such as ".jpg", is listed: it is a (hidden)
// JPEG file like any other.
bool isListedPictureName(const QString& fileName);

// A snapshot of the picture files of `folder`, sorted in NaturalOrder: the
// names (as stored, without the folder) of its file entries whose names
// pass isListedPictureName. Hidden files are included; folders, broken
// symbolic links and special files (pipes, sockets, devices) are not; a
// symbolic link to a file counts as a file. An empty path, or a folder
// that is missing or cannot be read, gives an empty list. The list is read once and never
// follows later changes of the folder, because the catalogue numbers its
// items by position in it.
QStringList listPictureFiles(const QString& folder);

}  // namespace model
