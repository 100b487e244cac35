#include "model/NonUtf8Names.h"

#include "model/FolderListing.h"
#include "model/NaturalOrder.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace model {
namespace {

// The test Qt applies before it lists a name.
bool isUtf8(QByteArrayView name) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder runs when its result becomes a string.
    const QString decoded = decoder.decode(name);
    return !decoder.hasError();
}

struct FolderCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

NonUtf8Names findNonUtf8Names(const QString& folder) {
    NonUtf8Names found;
    if (folder.isEmpty()) {
        return found;
    }
    const std::unique_ptr<DIR, FolderCloser> dir(::opendir(QFile::encodeName(folder).constData()));
    if (!dir) {
        return found;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArrayView name(entry->d_name);
        if (isUtf8(name)) {
            continue;
        }
        // The kind of entry the name leads to, links followed as the
        // listing and the tree follow them.
        struct stat status {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &status, 0) != 0) {
            continue;
        }
        const QString shown = QString::fromUtf8(name);
        if (S_ISREG(status.st_mode) && isListedPictureName(shown)) {
            ++found.pictureFiles;
        } else if (S_ISDIR(status.st_mode) && !name.startsWith('.')) {
            ++found.folders;
        } else {
            continue;
        }
        found.shownNames.push_back(shown);
    }
    NaturalOrder().sort(found.shownNames);
    return found;
}

QString nonUtf8Note(const NonUtf8Names& names) {
    const QString remedy = QCoreApplication::translate("model", "Renamed, they can be opened.");
    if (names.pictureFiles > 0 && names.folders > 0) {
        return QCoreApplication::translate(
                   "model", "%1 files and %2 folders whose names are not UTF-8 cannot be shown.")
                   .arg(names.pictureFiles)
                   .arg(names.folders) +
               remedy;
    }
    if (names.pictureFiles > 0) {
        return QCoreApplication::translate("model",
                                           "%1 files whose names are not UTF-8 cannot be listed.")
                   .arg(names.pictureFiles) +
               remedy;
    }
    if (names.folders > 0) {
        return QCoreApplication::translate(
                   "model", "%1 folders whose names are not UTF-8 cannot be shown in the tree.")
                   .arg(names.folders) +
               remedy;
    }
    return {};
}

QString nonUtf8NameList(const NonUtf8Names& names, int shownAtMost) {
    QStringList lines = names.shownNames.mid(0, shownAtMost);
    const qsizetype rest = names.shownNames.size() - lines.size();
    if (rest > 0) {
        lines.push_back(QCoreApplication::translate("model", "and %1 more").arg(rest));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace model
