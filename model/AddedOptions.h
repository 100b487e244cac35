#pragma once

#include "core/Error.h"

#include <QByteArray>
#include <QString>

namespace model {

// The split options added beside the designed ones. Quillfold.ini keeps
// the designed values byte for byte, so these live in a file of their own
// beside it, QuillfoldOptions.ini: one "name=value" line each. Every one
// is off by default, and while all are off and no such file was found,
// none is written.
struct AddedOptions {
    static constexpr int kDefaultDeskewCap = 5;

    // Lossless JPEG pages (split::SplitOptions::lossless).
    bool lossless = false;
    // Automatic deskew and its cap in whole degrees (SplitOptions::deskew,
    // deskewCap).
    bool deskew = false;
    int deskewCap = kDefaultDeskewCap;
    // The cut at the gutter found rather than the centre
    // (SplitOptions::cutPlacement).
    bool cutAtGutter = false;

    bool operator==(const AddedOptions&) const = default;
};

inline constexpr char kAddedOptionsFileName[] = "QuillfoldOptions.ini";

// The options a file's bytes hold. A line of an unknown name (from a later
// version) or with a value out of range is passed over: that option keeps
// its default.
AddedOptions parseAddedOptions(const QByteArray& bytes);
QByteArray formatAddedOptions(const AddedOptions& options);

// What was found at the file's name when the program started.
enum class AddedOptionsFound {
    Nothing,
    Read,
    // Something that cannot be read as the file (a FIFO, a folder, no
    // permission, far too large): it is left as it is, never replaced.
    Unreadable,
};

struct AddedOptionsReading {
    AddedOptions options;
    AddedOptionsFound found = AddedOptionsFound::Nothing;
    // Why an unreadable entry was not read, for the user.
    QString reason;
};
AddedOptionsReading readAddedOptions(const QString& path);

// Writes the options at `path` at exit, as a new file renamed into place (a
// link at the name is replaced as a name, never written through): always
// over a file that was read, over nothing only when an option is on, and
// never over an unreadable entry.
core::Status saveAddedOptions(const QString& path, const AddedOptions& options,
                              AddedOptionsFound foundAtStart);

}  // namespace model
