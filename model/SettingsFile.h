#pragma once

#include "core/Error.h"
#include "model/SettingsRecord.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>

// Quillfold.ini at its place: what was found at its name when the program
// started, and how the settings are written back at exit so that they
// land where they were read from and nowhere else.
//
// - A settings file (read as one from its first line, even when a later
//   line is damaged) is replaced at exit; when its name is a symbolic link
//   to a regular file, the file the link leads to is replaced, as long as
//   the link still leads to the file that was read.
// - Anything else at the name (a file that is not a settings file from its
//   first line, a link that leads nowhere or to something that is not a
//   regular file, a FIFO) is never replaced without a trace: at exit it is
//   renamed, as a name, to "Quillfold.ini.bak" (never replacing a file of
//   that name) and the settings are written as a new file. Nothing is
//   ever written through such a link.
// - A folder at the name is left alone; writing then fails.
class SettingsFile {
public:
    enum class Found {
        Nothing,   // no entry at the name
        Settings,  // read as a settings file
        Foreign,   // something else, kept aside at exit
        Folder,    // a folder
    };

    // Reads what is at `path` (the folder's "Quillfold.ini").
    static SettingsFile read(const QString& path);
    // A settings file at `path` that was not read: write() replaces a file
    // there and keeps anything else aside.
    explicit SettingsFile(QString path = {}) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    Found found() const { return found_; }
    // What reading gave, when a settings file was read (complete or not).
    const std::optional<SettingsParse>& parsed() const { return parsed_; }
    // The name a foreign entry is kept under at exit.
    QString keptAsidePath() const;

    // Writes `bytes` as the rules above say: through a temporary file and a
    // rename, so a failed write leaves the previous file as it was. The
    // error says why nothing was written.
    core::Status write(const QByteArray& bytes) const;

private:
    struct FileId {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        bool operator==(const FileId&) const = default;
    };

    core::Status writeThroughLink(const QByteArray& bytes) const;
    core::Status keepAsideAndWrite(const QByteArray& bytes) const;

    QString path_;
    Found found_ = Found::Nothing;
    std::optional<SettingsParse> parsed_;
    // The entry at the name when it was read (a link's own identity).
    std::optional<FileId> entry_;
    // For a settings file read through a link: the file it led to.
    QString linkTarget_;
    std::optional<FileId> linkTargetFile_;
};
