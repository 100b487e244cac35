#include "model/UnlistedPictures.h"

#include "imaging/ImagingErrors.h"
#include "model/FolderListing.h"
#include "model/NaturalOrder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace model {
namespace {

struct FolderCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// Why an entry the listing left out cannot be opened.
QString reasonFor(int folder, const char* name, bool utf8Name) {
    if (!utf8Name) {
        return QCoreApplication::translate("model", "Cannot be opened: the name is not UTF-8");
    }
    struct stat status {};
    if (::fstatat(folder, name, &status, 0) == 0) {
        return S_ISREG(status.st_mode) ? imaging::errors::cannotOpen().message
                                       : imaging::errors::notRegularFile().message;
    }
    const int error = errno;
    struct stat link {};
    const bool isLink =
        ::fstatat(folder, name, &link, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(link.st_mode);
    if (isLink && error == ENOENT) {
        return QCoreApplication::translate("model", "The link leads nowhere");
    }
    return isLink ? QCoreApplication::translate("model", "What the link leads to cannot be opened")
                  : imaging::errors::cannotOpen().message;
}

bool isFolder(int folder, const char* name) {
    struct stat status {};
    return ::fstatat(folder, name, &status, 0) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

PictureFolder readPictureFolder(const QString& folder) {
    PictureFolder result;
    result.names = listPictureFiles(folder);
    const std::unique_ptr<DIR, FolderCloser> dir(::opendir(QFile::encodeName(folder).constData()));
    if (!dir) {
        result.readable = false;
        return result;
    }
    const QSet<QString> listed(result.names.begin(), result.names.end());
    while (const dirent* entry = ::readdir(dir.get())) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString shown = decoder.decode(QByteArrayView(entry->d_name));
        const bool utf8Name = !decoder.hasError();
        if (!isListedPictureName(shown) || (utf8Name && listed.contains(shown)) ||
            isFolder(::dirfd(dir.get()), entry->d_name)) {
            continue;
        }
        result.unlisted.push_back({shown, reasonFor(::dirfd(dir.get()), entry->d_name, utf8Name)});
    }
    const NaturalOrder order;
    std::sort(result.unlisted.begin(), result.unlisted.end(),
              [&order](const UnlistedPicture& a, const UnlistedPicture& b) {
                  return order(a.shownName, b.shownName);
              });
    return result;
}

}  // namespace model
