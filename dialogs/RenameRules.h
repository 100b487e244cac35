#pragma once

#include "core/Error.h"

#include <QString>

namespace dialogs {

// Rules and texts of renaming a catalogue file.

// A name refused, or a rename that failed for another reason than a name
// taken or a file missing (kind NameRefused): "ファイル名に使えない文字が
// 含まれてます", with forbiddenCharacterList() as the notice's second line.
core::Error nameRefused();
// The eleven characters the user is told to avoid, one space between each:
// \ / : , ; * ? " < > and a vertical line, in Japanese the full-width
// U+FF5C (21 characters, 22 bytes in Shift-JIS where the last one takes
// two), in English the plain |.
QString forbiddenCharacterList();

// True when `name` may be tried as a new file name in the catalogue's
// folder. Refused: the empty name; names containing \ / : * ? " < > | or
// the full-width ｜ (U+FF5C), or a control character (below U+0020, or
// U+007F); names made only of blanks (spaces, tabs, the full-width space
// and other Unicode white space); "." and "..". Comma and semicolon are
// allowed although the notice lists them. The name is otherwise taken as
// typed: no trimming, no extension added. Passing these rules does not
// promise that the rename succeeds; the file system has the last word.
bool isAcceptableNewName(const QString& name);

}  // namespace dialogs
