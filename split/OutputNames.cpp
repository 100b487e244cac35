#include "split/OutputNames.h"

#include "imaging/FileNames.h"

namespace split {

QString extensionFor(OutputFormat format) {
    return format == OutputFormat::Bmp ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
}

QString partName(const QString& fileName, int part, OutputFormat format) {
    return imaging::baseNameOf(fileName) + QStringLiteral("_%1").arg(part) + extensionFor(format);
}

QString resavedName(const QString& fileName, OutputFormat format) {
    return imaging::baseNameOf(fileName) + extensionFor(format);
}

QStringList plannedTargets(const SplitItem& item, const SplitOptions& options,
                           const QString& outputFolder) {
    QStringList names;
    if (item.selected) {
        names << partName(item.fileName, 1, options.format);
        if (options.direction != SplitDirection::None) {
            names << partName(item.fileName, 2, options.format);
        }
    } else {
        if (options.copyUnselected) {
            names << item.fileName;
        }
        if (options.resaveUnselected) {
            names << resavedName(item.fileName, options.format);
        }
    }
    QStringList paths;
    for (const QString& name : names) {
        paths << imaging::joinPath(outputFolder, name);
    }
    return paths;
}

}  // namespace split
