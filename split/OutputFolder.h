#pragma once

#include <QString>

namespace split {

// The last name of a folder path: the text after its last separator ("/",
// and on Windows also "\"), ignoring trailing separators; the whole text
// when it has no separator. The root folder gives the empty text.
QString lastFolderName(const QString& folder);

// The folder's real path: absolute, with links, "." and ".." resolved (only
// cleaned where the folder does not exist), so that "." or "book1/.."
// stand for the folder they lead to. Empty for the empty text.
QString realFolderPath(const QString& folder);

// The folder a batch writes into: `destination` itself, or, with
// `sourceNamedSubfolder`, destination/<last name of sourceFolder's real
// path>: "." names the subfolder after the current folder, never after
// "." itself. A source folder without a last name (the root) leaves the
// destination as it is.
QString outputFolderFor(const QString& destination, const QString& sourceFolder,
                        bool sourceNamedSubfolder);

// Creates `folder` when it is missing, one level only (its parent must
// exist). True when the folder exists afterwards.
bool ensureFolder(const QString& folder);

}  // namespace split
