#include "bookgen/Truth.h"

#include <QList>

#include <array>

namespace bookgen {

namespace {

constexpr std::array<PageContent, 4> kContents{PageContent::Text, PageContent::VerticalText,
                                               PageContent::Picture, PageContent::Blank};

std::optional<PageContent> contentNamed(const QByteArray& name) {
    for (const PageContent content : kContents) {
        if (contentName(content).toLatin1() == name) {
            return content;
        }
    }
    return std::nullopt;
}

}  // namespace

SpreadTruth truthOf(const ScanPlan& plan, const GutterBand& band) {
    return SpreadTruth{plan.fileName, plan.skew,     foldAtMiddle(plan),
                       band,          plan.leftPage, plan.rightPage};
}

QString contentName(PageContent content) {
    switch (content) {
        case PageContent::Text:
            return QStringLiteral("text");
        case PageContent::VerticalText:
            return QStringLiteral("vertical");
        case PageContent::Picture:
            return QStringLiteral("picture");
        case PageContent::Blank:
            return QStringLiteral("blank");
    }
    return QString();
}

QByteArray truthFile(const std::vector<SpreadTruth>& spreads) {
    QByteArray bytes("# file\tskew\tfold\tband_left\tband_right\tleft_page\tright_page\n");
    for (const SpreadTruth& spread : spreads) {
        bytes += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\n")
                     .arg(spread.fileName)
                     .arg(spread.skew, 0, 'f', 4)
                     .arg(spread.fold, 0, 'f', 2)
                     .arg(spread.band.left)
                     .arg(spread.band.right)
                     .arg(contentName(spread.leftPage), contentName(spread.rightPage))
                     .toUtf8();
    }
    return bytes;
}

std::optional<std::vector<SpreadTruth>> readTruthFile(const QByteArray& bytes) {
    std::vector<SpreadTruth> spreads;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 7) {
            return std::nullopt;
        }
        SpreadTruth spread;
        bool ok[4] = {false, false, false, false};
        spread.fileName = QString::fromUtf8(fields[0]);
        spread.skew = fields[1].toDouble(&ok[0]);
        spread.fold = fields[2].toDouble(&ok[1]);
        spread.band.left = fields[3].toInt(&ok[2]);
        spread.band.right = fields[4].toInt(&ok[3]);
        const auto left = contentNamed(fields[5]);
        const auto right = contentNamed(fields[6]);
        if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || !left || !right) {
            return std::nullopt;
        }
        spread.leftPage = *left;
        spread.rightPage = *right;
        spreads.push_back(spread);
    }
    return spreads;
}

}  // namespace bookgen
