#include "bookgen/SinglePages.h"

#include "bookgen/Figure.h"
#include "bookgen/TextPage.h"

#include <QPen>

namespace bookgen {

namespace {

void drawEmblem(QPainter& ink, QPointF centre, double radius) {
    ink.save();
    ink.setPen(QPen(QColor(255, 255, 255), radius * 0.12));
    ink.setBrush(Qt::NoBrush);
    ink.drawEllipse(centre, radius, radius);
    ink.drawEllipse(centre, radius * 0.55, radius * 0.55);
    ink.restore();
}

}  // namespace

void layOutTitlePage(QPainter& ink, const QRectF& page, Random& random) {
    const double centre = page.center().x();
    const double h = page.height();
    drawCentredLine(ink, QPointF(centre, page.top() + 0.22 * h), 2, h / 42, random);
    drawCentredLine(ink, QPointF(centre, page.top() + 0.29 * h), 3, h / 42, random);
    drawCentredLine(ink, QPointF(centre, page.top() + 0.36 * h), 4, h / 95, random);
    drawCentredLine(ink, QPointF(centre, page.top() + 0.47 * h), 2, h / 70, random);
    drawEmblem(ink, QPointF(centre, page.top() + 0.62 * h), h / 60);
    drawCentredLine(ink, QPointF(centre, page.top() + 0.86 * h), 2, h / 110, random);
}

void layOutPlate(QPainter& ink, const QRectF& page, Random& random) {
    const PrintSize print = PrintSize::forPageHeight(page.height());
    const QRectF box(page.left() + 0.12 * page.width(), page.top() + 0.12 * page.height(),
                     0.76 * page.width(), 0.6 * page.height());
    drawFigure(ink, box, random);
    const double centre = page.center().x();
    drawCentredLine(ink, QPointF(centre, box.bottom() + 3 * print.xHeight), 6, print.xHeight,
                    random);
    drawCentredLine(ink, QPointF(centre, box.bottom() + 3 * print.xHeight + print.linePitch), 4,
                    print.xHeight, random);
}

void layOutFrontCover(QPainter& ink, const QRectF& page, Random& random) {
    const double inset = 0.06 * page.width();
    ink.save();
    ink.setPen(QPen(QColor(255, 255, 255), page.width() * 0.006));
    ink.setBrush(Qt::NoBrush);
    ink.drawRect(page.adjusted(inset, inset, -inset, -inset));
    ink.restore();
    const double centre = page.center().x();
    const double h = page.height();
    drawCentredLine(ink, QPointF(centre, page.top() + 0.25 * h), 2, h / 30, random);
    drawCentredLine(ink, QPointF(centre, page.top() + 0.33 * h), 1, h / 30, random);
    drawCentredLine(ink, QPointF(centre, page.top() + 0.45 * h), 2, h / 60, random);
    drawEmblem(ink, QPointF(centre, page.top() + 0.7 * h), h / 18);
}

void layOutBackCover(QPainter& ink, const QRectF& page) {
    drawEmblem(ink, QPointF(page.center().x(), page.top() + 0.85 * page.height()),
               page.height() / 50);
}

}  // namespace bookgen
