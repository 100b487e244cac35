#include "split/FindingsText.h"

#include <QCoreApplication>

#include <cmath>

namespace split {

namespace {

// "-0.84": two decimals, and no "-0.00".
QString degrees(double value) {
    return QString::number(std::abs(value) < 0.005 ? 0.0 : value, 'f', 2);
}

QString cutText(const ItemFindings& findings) {
    if (!findings.cut) {
        return QCoreApplication::translate("split", "not cut");
    }
    const QString at = QString::number(findings.cut->cut);
    if (findings.cut->found()) {
        return QCoreApplication::translate("split", "cut %1 (gutter)").arg(at);
    }
    return findings.gutterSearched
               ? QCoreApplication::translate("split", "cut %1 (centre, no gutter found)").arg(at)
               : QCoreApplication::translate("split", "cut %1 (centre)").arg(at);
}

}  // namespace

QString keptReason(PageOutcome outcome, double cap) {
    switch (outcome) {
        case PageOutcome::Turned:
            return QString();
        case PageOutcome::UnderLeast:
            return QCoreApplication::translate("split", "under %1 deg").arg(kLeastDeskew);
        case PageOutcome::OverCap:
            return QCoreApplication::translate("split", "over the cap of %1 deg").arg(cap);
        case PageOutcome::NotConfident:
            return QCoreApplication::translate("split", "not confident");
    }
    return QString();
}

namespace {

// "p012_2.jpg: -0.79 deg, not confident: kept".
QString pageText(const PageFindings& page, double cap) {
    QString angle = QCoreApplication::translate("split", "%1 deg").arg(degrees(page.measure.turn));
    if (page.kept()) {
        angle = QCoreApplication::translate("split", "%1, %2: kept")
                    .arg(angle, keptReason(page.outcome, cap));
    }
    return QStringLiteral("%1: %2").arg(page.fileName, angle);
}

}  // namespace

QString findingsLine(const QString& imageName, const ItemFindings& findings, double cap) {
    QString line = QStringLiteral("%1: %2").arg(imageName, cutText(findings));
    for (const PageFindings& page : findings.pages)
        line += QStringLiteral("  ") + pageText(page, cap);
    return line;
}

QString keptCountLine(const KeptAsTheyWere& kept) {
    const int pages = static_cast<int>(kept.pages.size());
    const int centred = static_cast<int>(kept.centredImages.size());
    QStringList parts;
    if (pages > 0)
        parts << QCoreApplication::translate("split", "%n page(s) kept as they were", nullptr,
                                             pages);
    if (centred > 0) {
        parts << QCoreApplication::translate("split", "%n image(s) cut at the centre", nullptr,
                                             centred);
    }
    return parts.join(QStringLiteral(", "));
}

QString keptDetails(const KeptAsTheyWere& kept, double cap) {
    QStringList lines;
    for (const QString& image : kept.centredImages) {
        lines << QCoreApplication::translate("split", "%1: cut at the centre, no gutter found")
                     .arg(image);
    }
    for (const KeptAsTheyWere::Page& page : kept.pages)
        lines << pageText(page.page, cap);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace split
