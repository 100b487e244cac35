#pragma once

#include <QString>
#include <QStringList>

namespace model {

// The entries of a folder whose names are not valid UTF-8. Qt reads every
// file name as UTF-8 and passes over such an entry without a word (QDir,
// QDirIterator, the folder tree's model); a name decoded with replacement
// characters would name another file, so these entries can be neither
// listed nor opened. They are counted instead, so that the user is told
// instead of losing a page without knowing.
struct NonUtf8Names {
    // Files the open-folder dialog would list by their extension (hidden
    // ones and links to files included, as the listing does).
    int pictureFiles = 0;
    // Folders the folder tree would show: not hidden, links to folders
    // included.
    int folders = 0;
    // Their names as far as they can be shown (bytes that are not UTF-8
    // become U+FFFD), files and folders together, in NaturalOrder.
    QStringList shownNames;

    bool isEmpty() const { return pictureFiles == 0 && folders == 0; }
};

// Reads `folder` as raw names, beside Qt. A missing or unreadable folder,
// or an empty path, gives nothing.
NonUtf8Names findNonUtf8Names(const QString& folder);

// The open-folder dialog's note about them, or the empty text when there
// are none.
QString nonUtf8Note(const NonUtf8Names& names);

// The names for the note's tooltip, one a line, the first `shownAtMost`
// of them and a count of the rest.
QString nonUtf8NameList(const NonUtf8Names& names, int shownAtMost = 20);

}  // namespace model
