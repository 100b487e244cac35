#include "model/AutoSelect.h"

#include "core/NumberText.h"
#include "imaging/FileNames.h"
#include "imaging/PictureIo.h"

#include <QFileInfo>

#include <cstdlib>

namespace model {

namespace {

bool withinTolerance(int value, int sampleValue, int tolerance) {
    return std::llabs(static_cast<long long>(value) - sampleValue) <= tolerance;
}

}  // namespace

int toleranceFromText(const QString& text) {
    const NumberParse parsed = parseNumber(text);
    if (!parsed.ok()) {
        return kDesignedTolerance;
    }
    return parsed.value < 0 ? 0 : parsed.value;
}

bool sizeMatches(QSize sample, QSize candidate, int tolerance) {
    return withinTolerance(candidate.width(), sample.width(), tolerance) &&
           withinTolerance(candidate.height(), sample.height(), tolerance);
}

AutoSelection autoSelect(const QString& folder, const QStringList& fileNames, int sampleIndex,
                         int tolerance) {
    AutoSelection result;
    if (sampleIndex < 0 || sampleIndex >= fileNames.size()) {
        result.outcome = AutoSelection::Outcome::NoSample;
        return result;
    }
    const QString samplePath = imaging::joinPath(folder, fileNames[sampleIndex]);
    if (!QFileInfo(samplePath).isFile()) {
        result.outcome = AutoSelection::Outcome::SampleMissing;
        return result;
    }
    const core::Expected<QSize> sampleSize = imaging::readPictureSize(samplePath);
    if (!sampleSize) {
        result.outcome = AutoSelection::Outcome::SampleUnreadable;
        return result;
    }
    const SizeSample sample{*sampleSize, tolerance};

    result.verdicts.reserve(static_cast<size_t>(fileNames.size()));
    for (const QString& fileName : fileNames) {
        const QString path = imaging::joinPath(folder, fileName);
        if (!QFileInfo(path).isFile()) {
            result.verdicts.push_back(SelectionVerdict::Keep);
            continue;
        }
        const core::Expected<QSize> size = imaging::readPictureSize(path);
        if (!size) {
            ++result.unreadableCount;
            result.verdicts.push_back(SelectionVerdict::Keep);
            continue;
        }
        result.verdicts.push_back(sample.matches(*size) ? SelectionVerdict::Select
                                                        : SelectionVerdict::Unselect);
    }
    return result;
}

}  // namespace model
