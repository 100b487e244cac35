#include "split/OutputNames.h"

#include "imaging/FileNames.h"

namespace split {

QString extensionFor(OutputFormat format) {
    return format == OutputFormat::Bmp ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
}

QString partName(const QString& caption, int part, OutputFormat format) {
    return imaging::baseNameOf(caption) + QStringLiteral("_%1").arg(part) + extensionFor(format);
}

QString resavedName(const QString& caption, OutputFormat format) {
    return imaging::baseNameOf(caption) + extensionFor(format);
}

QStringList plannedTargets(const SplitItem& item, const SplitOptions& options,
                           const QString& outputFolder) {
    QStringList names;
    if (item.selected) {
        names << partName(item.caption, 1, options.format);
        if (options.direction != SplitDirection::None) {
            names << partName(item.caption, 2, options.format);
        }
    } else {
        if (options.copyUnselected) {
            names << item.caption;
        }
        if (options.resaveUnselected) {
            names << resavedName(item.caption, options.format);
        }
    }
    QStringList paths;
    for (const QString& name : names) {
        paths << imaging::joinPath(outputFolder, name);
    }
    return paths;
}

}  // namespace split
