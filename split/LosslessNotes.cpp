#include "split/LosslessNotes.h"

#include <QCoreApplication>
#include <QStringList>

namespace split {

QString notLosslessText(NotLosslessReason reason) {
    switch (reason) {
        case NotLosslessReason::TooSmallForGrid:
            return QCoreApplication::translate("split",
                                               "the picture is too small to cut on its block grid");
        case NotLosslessReason::TurnOffGrid:
            return QCoreApplication::translate(
                "split",
                "the quarter turn needs whole blocks at the page's edge, and the picture ends "
                "there off the block grid");
        case NotLosslessReason::ColoursNotKept:
            return QCoreApplication::translate(
                "split", "the JPEG's colours are CMYK or unknown, which are not kept");
        case NotLosslessReason::Straightened:
            return QCoreApplication::translate("split", "the page was straightened");
    }
    return {};
}

void LosslessTally::add(const QString& fileName, const LosslessNote& note) {
    if (note.reencoded) {
        reencoded.push_back(ReencodedPage{fileName, *note.reencoded});
    } else {
        ++lossless;
    }
}

void LosslessTally::add(const LosslessTally& other) {
    lossless += other.lossless;
    reencoded.insert(reencoded.end(), other.reencoded.begin(), other.reencoded.end());
}

QString losslessCountLine(const LosslessTally& tally) {
    if (tally.pages() == 0)
        return {};
    return QCoreApplication::translate("split", "%1 of %2 JPEG pages lossless")
        .arg(tally.lossless)
        .arg(tally.pages());
}

QString notLosslessLine(const QString& fileName, NotLosslessReason reason) {
    return QCoreApplication::translate("split", "%1: not lossless: %2")
        .arg(fileName, notLosslessText(reason));
}

QString losslessDetails(const LosslessTally& tally) {
    QStringList lines;
    for (const ReencodedPage& page : tally.reencoded)
        lines << notLosslessLine(page.fileName, page.reason);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace split
