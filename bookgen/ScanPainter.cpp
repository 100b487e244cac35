#include "bookgen/ScanPainter.h"

#include "bookgen/Paper.h"
#include "bookgen/Random.h"
#include "bookgen/SinglePages.h"
#include "bookgen/TextPage.h"
#include "bookgen/VerticalText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace bookgen {

namespace {

// The fold's column before the turn.
double foldOf(const ScanPlan& plan) {
    return plan.size.width() / 2.0 + plan.foldOffset * plan.size.width();
}

void layOutPage(QPainter& painter, PageContent content, const QRectF& page, bool leftHand,
                int pageNumber, Random& random) {
    switch (content) {
        case PageContent::Text:
            layOutTextPage(painter, page, leftHand, pageNumber, random);
            break;
        case PageContent::VerticalText:
            layOutVerticalTextPage(painter, page, leftHand, pageNumber, random);
            break;
        case PageContent::Picture:
            layOutPlate(painter, page, random);
            break;
        case PageContent::Blank:
            break;
    }
}

// The amount of ink of every pixel, drawn by page layout.
QImage drawInk(const ScanPlan& plan, Random& random) {
    QImage ink(plan.size, QImage::Format_Grayscale8);
    if (ink.isNull()) {
        return ink;
    }
    ink.fill(0);
    QPainter painter(&ink);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(0, 0, plan.size.width(), plan.size.height());
    if (plan.skew != 0) {
        // The book lies turned about the scan's centre.
        painter.translate(whole.center());
        painter.rotate(plan.skew);
        painter.translate(-whole.center());
    }
    switch (plan.kind) {
        case ScanKind::Spread: {
            const double half = whole.width() / 2;
            const double fold = foldOf(plan);
            layOutPage(painter, plan.leftPage, QRectF(fold - half, 0, half, whole.height()), true,
                       plan.firstPageNumber, random);
            layOutPage(painter, plan.rightPage, QRectF(fold, 0, half, whole.height()), false,
                       plan.firstPageNumber > 0 ? plan.firstPageNumber + 1 : 0, random);
            break;
        }
        case ScanKind::TitlePage:
            layOutTitlePage(painter, whole, random);
            break;
        case ScanKind::Plate:
            layOutPlate(painter, whole, random);
            break;
        case ScanKind::FrontCover:
            layOutFrontCover(painter, whole, random);
            break;
        case ScanKind::BackCover:
            layOutBackCover(painter, whole);
            break;
    }
    return ink;
}

bool isCover(ScanKind kind) {
    return kind == ScanKind::FrontCover || kind == ScanKind::BackCover;
}

// Print heavier than this (of 255) shows on a scan; antialiased fringes
// lighter than it do not.
constexpr int kVisibleInk = 64;

GutterBand gutterBandOf(const ScanPlan& plan, const QImage& ink) {
    const int width = ink.width();
    std::vector<int> heaviest(static_cast<std::size_t>(width), 0);
    for (int y = 0; y < ink.height(); ++y) {
        const uchar* row = ink.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            heaviest[static_cast<std::size_t>(x)] =
                std::max(heaviest[static_cast<std::size_t>(x)], static_cast<int>(row[x]));
        }
    }
    const double fold = foldAtMiddle(plan);
    const double margin = 0.09 * width / 2;
    const int column = static_cast<int>(std::floor(fold));
    GutterBand band{column, column};
    if (column < 0 || column >= width ||
        heaviest[static_cast<std::size_t>(column)] >= kVisibleInk) {
        return band;
    }
    const int least = std::max(0, static_cast<int>(std::ceil(fold - margin)));
    const int most = std::min(width, static_cast<int>(std::floor(fold + margin)));
    while (band.left > least && heaviest[static_cast<std::size_t>(band.left - 1)] < kVisibleInk) {
        --band.left;
    }
    band.right = column + 1;
    while (band.right < most && heaviest[static_cast<std::size_t>(band.right)] < kVisibleInk) {
        ++band.right;
    }
    return band;
}

}  // namespace

QImage paintScan(const ScanPlan& plan, GutterBand* band) {
    Random random(plan.seed);
    const QImage ink = drawInk(plan, random);
    if (ink.isNull()) {
        return QImage();
    }
    if (band && plan.kind == ScanKind::Spread) {
        *band = gutterBandOf(plan, ink);
    }
    const Surface surface =
        isCover(plan.kind) ? Surface::cloth() : Surface::paper(random.between(-3, 3));
    const Lighting lighting = plan.kind == ScanKind::Spread
                                  ? Lighting::spread(plan.size, foldOf(plan))
                                  : Lighting::page(plan.size, isCover(plan.kind) ? 0.1f : 0.12f);
    return composeScan(ink, surface, lighting, random.next(), plan.skew);
}

}  // namespace bookgen
