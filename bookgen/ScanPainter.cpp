#include "bookgen/ScanPainter.h"

#include "bookgen/Paper.h"
#include "bookgen/Random.h"
#include "bookgen/SinglePages.h"
#include "bookgen/TextPage.h"

#include <QPainter>

namespace bookgen {

namespace {

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
    switch (plan.kind) {
        case ScanKind::Spread: {
            const double half = whole.width() / 2;
            layOutTextPage(painter, QRectF(0, 0, half, whole.height()), true, plan.firstPageNumber,
                           random);
            layOutTextPage(painter, QRectF(half, 0, half, whole.height()), false,
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

}  // namespace

QImage paintScan(const ScanPlan& plan) {
    Random random(plan.seed);
    const QImage ink = drawInk(plan, random);
    if (ink.isNull()) {
        return QImage();
    }
    const Surface surface =
        isCover(plan.kind) ? Surface::cloth() : Surface::paper(random.between(-3, 3));
    const Lighting lighting = plan.kind == ScanKind::Spread
                                  ? Lighting::spread(plan.size)
                                  : Lighting::page(plan.size, isCover(plan.kind) ? 0.1f : 0.12f);
    return composeScan(ink, surface, lighting, random.next());
}

}  // namespace bookgen
