#include "bookgen/VerticalText.h"

#include "bookgen/Glyphs.h"

#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace bookgen {

namespace {

constexpr double kColumnPitch = 1.7;  // ems from one column to the next
constexpr double kStroke = 0.075;     // stroke width in ems
constexpr double kInset = 0.12;       // blank border of a character cell, in ems

// One character in the cell whose top-left corner is `corner`, `em` wide
// and high: two to six strokes placed on a loose grid, as most characters
// are built.
void drawCharacter(QPainter& ink, QPointF corner, double em, Random& random) {
    const double inset = kInset * em;
    const QRectF cell(corner.x() + inset, corner.y() + inset, em - 2 * inset, em - 2 * inset);
    const auto along = [&](double share, double from, double span) { return from + share * span; };
    const int strokes = random.between(2, 6);
    for (int i = 0; i < strokes; ++i) {
        const double a = 0.1 + 0.8 * random.unit();
        const double b = 0.1 + 0.8 * random.unit();
        switch (random.between(0, 5)) {
            case 0:  // horizontal bar
                ink.drawLine(QPointF(along(0.1 * b, cell.left(), cell.width()),
                                     along(a, cell.top(), cell.height())),
                             QPointF(along(0.9 + 0.1 * b, cell.left(), cell.width()),
                                     along(a, cell.top(), cell.height())));
                break;
            case 1:  // vertical bar
                ink.drawLine(QPointF(along(a, cell.left(), cell.width()),
                                     along(0.1 * b, cell.top(), cell.height())),
                             QPointF(along(a, cell.left(), cell.width()),
                                     along(0.9 + 0.1 * b, cell.top(), cell.height())));
                break;
            case 2: {  // box
                const double w = 0.3 + 0.4 * random.unit();
                const double h = 0.25 + 0.4 * random.unit();
                ink.drawRect(QRectF(along(a * (1 - w), cell.left(), cell.width()),
                                    along(b * (1 - h), cell.top(), cell.height()), w * cell.width(),
                                    h * cell.height()));
                break;
            }
            case 3: {  // sweep down to the left
                QPainterPath sweep(QPointF(along(a, cell.left(), cell.width()), cell.top()));
                sweep.quadTo(QPointF(along(a, cell.left(), cell.width()), cell.center().y()),
                             QPointF(cell.left(), along(0.7 + 0.3 * b, cell.top(), cell.height())));
                ink.drawPath(sweep);
                break;
            }
            case 4: {  // sweep down to the right
                QPainterPath sweep(
                    QPointF(cell.center().x(), along(0.3 * b, cell.top(), cell.height())));
                sweep.quadTo(
                    QPointF(cell.center().x(), cell.bottom()),
                    QPointF(cell.right(), along(0.8 + 0.2 * a, cell.top(), cell.height())));
                ink.drawPath(sweep);
                break;
            }
            default:  // dot
                ink.drawLine(QPointF(along(a, cell.left(), cell.width()),
                                     along(b, cell.top(), cell.height())),
                             QPointF(along(a, cell.left(), cell.width()) + 0.12 * em,
                                     along(b, cell.top(), cell.height()) + 0.12 * em));
                break;
        }
    }
}

// A punctuation mark ("、" or "。") at the top right of its cell.
void drawMark(QPainter& ink, QPointF corner, double em, Random& random) {
    const QPointF at(corner.x() + 0.65 * em, corner.y() + 0.25 * em);
    if (random.chance(0.5)) {
        ink.drawEllipse(at, 0.1 * em, 0.1 * em);
    } else {
        ink.drawLine(at, at + QPointF(0.1 * em, 0.12 * em));
    }
}

}  // namespace

void layOutVerticalTextPage(QPainter& ink, const QRectF& page, bool leftHand, int pageNumber,
                            Random& random) {
    const double em = std::max(4.0, page.height() / 52);
    const double outer = page.width() * 0.12;
    const double inner = page.width() * 0.09;
    const double left = page.left() + (leftHand ? outer : inner);
    const double right = page.right() - (leftHand ? inner : outer);
    const double top = page.top() + page.height() * 0.1;
    const int perColumn = std::max(1, static_cast<int>(page.height() * 0.78 / em));
    const int columns = std::max(1, static_cast<int>((right - left) / (kColumnPitch * em)));
    const int ink255 = random.between(225, 255);

    ink.save();
    ink.setPen(QPen(QColor(ink255, ink255, ink255), kStroke * em, Qt::SolidLine, Qt::RoundCap,
                    Qt::RoundJoin));
    ink.setBrush(Qt::NoBrush);
    int leftInParagraph = random.between(20, 300);
    bool opening = true;
    for (int column = 0; column < columns; ++column) {
        // Columns are read from the right.
        const double x = right - (column + 1) * kColumnPitch * em + (kColumnPitch - 1) * em / 2;
        for (int row = opening ? 1 : 0; row < perColumn; ++row) {
            const QPointF corner(x, top + row * em);
            if (--leftInParagraph <= 0) {
                drawMark(ink, corner, em, random);
                leftInParagraph = random.between(20, 300);
                opening = true;
                break;
            }
            opening = false;
            if (random.chance(0.06)) {
                drawMark(ink, corner, em, random);
            } else {
                drawCharacter(ink, corner, em, random);
            }
        }
    }
    ink.restore();

    if (pageNumber > 0) {
        const int digits = static_cast<int>(QString::number(pageNumber).size());
        const Word number = wordOfLength(random, digits);
        const double xHeight = em * 0.5;
        const double x = (left + right) / 2 - number.width * xHeight / 2;
        drawWord(ink, number, QPointF(x, page.bottom() - page.height() * 0.05), xHeight, 250);
    }
}

}  // namespace bookgen
