#include "split/DialogPictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kBoxWidth = 15;
constexpr int kBoxHeight = 18;
constexpr int kTurnSide = 28;

QImage blankPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

void drawNumberedBox(QPainter& painter, const QRect& box, int number) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, QString::number(number));
}

// The point at `degrees` (counter-clockwise from three o'clock) on a circle.
QPointF onCircle(const QPointF& centre, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

// An arrow head at the end of an arc, pointing along the direction of travel.
void drawHead(QPainter& painter, const QPointF& centre, double radius, double degrees,
              bool counterClockwise) {
    const double radians = degrees * std::numbers::pi / 180.0;
    // Screen coordinates: y grows downwards.
    QPointF along(-std::sin(radians), -std::cos(radians));
    if (!counterClockwise)
        along = -along;
    const QPointF outward(std::cos(radians), -std::sin(radians));
    const QPointF tip = onCircle(centre, radius, degrees) + along * 4.0;
    const QPointF back = onCircle(centre, radius, degrees) - along * 1.5;
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({tip, back + outward * 3.5, back - outward * 3.5}));
}

}  // namespace

QImage pageOrderPicture(split::SplitDirection direction) {
    using split::SplitDirection;
    if (direction == SplitDirection::None)
        return {};
    const bool sideBySide = direction == SplitDirection::Right || direction == SplitDirection::Left;
    const bool oneFirst = direction == SplitDirection::Right || direction == SplitDirection::Down;
    QImage picture = sideBySide ? blankPicture(2 * kBoxWidth + 2, kBoxHeight)
                                : blankPicture(kBoxHeight, 2 * kBoxWidth + 2);
    QPainter painter(&picture);
    QFont font;
    font.setPixelSize(10);
    painter.setFont(font);
    const QRect first =
        sideBySide ? QRect(0, 0, kBoxWidth, kBoxHeight) : QRect(0, 0, kBoxHeight, kBoxWidth);
    const QRect second =
        sideBySide ? first.translated(kBoxWidth + 2, 0) : first.translated(0, kBoxWidth + 2);
    drawNumberedBox(painter, first, oneFirst ? 1 : 2);
    drawNumberedBox(painter, second, oneFirst ? 2 : 1);
    return picture;
}

QImage turnPicture(split::TurnDirection direction) {
    const bool counterClockwise = direction == split::TurnDirection::Left;
    QImage picture = blankPicture(kTurnSide, kTurnSide);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kTurnSide / 2.0, kTurnSide / 2.0);
    const double radius = kTurnSide / 2.0 - 5.0;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    // Two arcs of 130 degrees with a gap between them; each ends in a head
    // on the side it travels to.
    constexpr std::array<double, 2> kArcStarts = {25.0, 205.0};
    constexpr double kSpan = 130.0;
    for (const double start : kArcStarts) {
        painter.setPen(QPen(Qt::black, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(circle, static_cast<int>(start * 16), static_cast<int>(kSpan * 16));
        painter.setPen(Qt::NoPen);
        drawHead(painter, centre, radius, counterClockwise ? start + kSpan : start,
                 counterClockwise);
    }
    return picture;
}
