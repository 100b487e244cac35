#pragma once

#include "model/SplitOptions.h"
#include "split/ItemWork.h"

#include <QString>
#include <QStringList>

namespace split {

// The extension of written pictures: ".jpg" or ".bmp".
QString extensionFor(OutputFormat format);

// The name of part 1 or 2 of a cut picture: the fileName's base name (all
// from its last "." removed) + "_1"/"_2" + the extension.
QString partName(const QString& fileName, int part, OutputFormat format);

// The name of an unselected picture saved anew: base name + extension.
QString resavedName(const QString& fileName, OutputFormat format);

// The paths processItem would plan for `item` when it succeeds, in order,
// without reading the file: two parts of a selected picture (one when it is
// not cut), the copy and the new save of an unselected one as the options
// ask. A file that has gone plans nothing, which this does not foresee.
QStringList plannedTargets(const SplitItem& item, const SplitOptions& options,
                           const QString& outputFolder);

}  // namespace split
