#include "bookgen/Glyphs.h"

#include <QPen>
#include <QRectF>

#include <array>

namespace bookgen {

namespace {

constexpr double kLetterSpacing = 0.2;  // x-heights between two glyphs
constexpr double kStem = 0.16;          // stroke width in x-heights

// Width of each shape in x-heights, by enum order.
double shapeWidth(GlyphShape shape) {
    switch (shape) {
        case GlyphShape::Arch:
            return 0.6;
        case GlyphShape::Ring:
            return 0.6;
        case GlyphShape::Tall:
            return 0.18;
        case GlyphShape::Dotted:
            return 0.18;
        case GlyphShape::Descender:
            return 0.62;
        case GlyphShape::OpenBowl:
            return 0.55;
        case GlyphShape::DoubleArch:
            return 0.95;
        case GlyphShape::Bowled:
            return 0.62;
        case GlyphShape::Crossed:
            return 0.36;
        case GlyphShape::Point:
            return 0.2;
    }
    return 0.5;
}

// Letters roughly as often as in running text; the weights add up to 100.
GlyphShape randomLetter(Random& random) {
    struct Weighted {
        GlyphShape shape;
        int weight;
    };
    static constexpr std::array<Weighted, 9> kLetters{{
        {GlyphShape::Arch, 17},
        {GlyphShape::Ring, 13},
        {GlyphShape::Tall, 10},
        {GlyphShape::Dotted, 9},
        {GlyphShape::Descender, 6},
        {GlyphShape::OpenBowl, 17},
        {GlyphShape::DoubleArch, 5},
        {GlyphShape::Bowled, 9},
        {GlyphShape::Crossed, 14},
    }};
    int pick = random.between(0, 99);
    for (const Weighted& letter : kLetters) {
        if (pick < letter.weight) {
            return letter.shape;
        }
        pick -= letter.weight;
    }
    return GlyphShape::OpenBowl;
}

int randomWordLength(Random& random) {
    // Per cent of words with 1, 2, ... 10 letters.
    static constexpr std::array<int, 10> kShare{4, 15, 19, 16, 13, 10, 9, 6, 5, 3};
    int pick = random.between(0, 99);
    for (int length = 1; length <= 10; ++length) {
        if (pick < kShare[static_cast<std::size_t>(length - 1)]) {
            return length;
        }
        pick -= kShare[static_cast<std::size_t>(length - 1)];
    }
    return 4;
}

void addGlyph(Word& word, GlyphShape shape) {
    if (!word.glyphs.empty()) {
        word.width += kLetterSpacing;
    }
    word.glyphs.push_back(shape);
    word.width += shapeWidth(shape);
}

// Draws one glyph whose box starts at `left` on the baseline `base`.
// Stems are filled rectangles; bowls and arches are stroked with the
// painter's pen, which draws in the same ink.
void drawGlyph(QPainter& painter, GlyphShape shape, double left, double base, double xh,
               const QColor& ink) {
    const double stem = kStem * xh;
    const double width = shapeWidth(shape) * xh;
    const double top = base - xh;
    const double ascender = base - 1.55 * xh;
    const QRectF bowl(left + stem / 2, top + stem / 2, width - stem, xh - stem);
    auto fillRect = [&](double x, double y, double w, double h) {
        painter.fillRect(QRectF(x, y, w, h), ink);
    };
    switch (shape) {
        case GlyphShape::Arch:
            fillRect(left, top, stem, xh);
            fillRect(left + width - stem, top + 0.3 * xh, stem, 0.7 * xh);
            painter.drawArc(QRectF(left + stem / 2, top + stem / 2, width - stem, 0.7 * xh), 0,
                            180 * 16);
            break;
        case GlyphShape::Ring:
            painter.drawEllipse(bowl);
            break;
        case GlyphShape::Tall:
            fillRect(left, ascender, stem, base - ascender);
            break;
        case GlyphShape::Dotted:
            fillRect(left, top + 0.05 * xh, stem, 0.95 * xh);
            fillRect(left, base - 1.4 * xh, stem, stem * 1.2);
            break;
        case GlyphShape::Descender:
            fillRect(left, top, stem, 1.5 * xh);
            painter.drawEllipse(bowl);
            break;
        case GlyphShape::OpenBowl:
            painter.drawArc(bowl, 40 * 16, 280 * 16);
            break;
        case GlyphShape::DoubleArch: {
            const double half = (width - stem) / 2;
            fillRect(left, top, stem, xh);
            fillRect(left + half, top + 0.3 * xh, stem, 0.7 * xh);
            fillRect(left + width - stem, top + 0.3 * xh, stem, 0.7 * xh);
            painter.drawArc(QRectF(left + stem / 2, top + stem / 2, half, 0.7 * xh), 0, 180 * 16);
            painter.drawArc(QRectF(left + half + stem / 2, top + stem / 2, half, 0.7 * xh), 0,
                            180 * 16);
            break;
        }
        case GlyphShape::Bowled:
            painter.drawEllipse(bowl);
            fillRect(left + width - stem, ascender, stem, base - ascender);
            break;
        case GlyphShape::Crossed:
            fillRect(left + 0.1 * xh, base - 1.3 * xh, stem, 1.3 * xh);
            fillRect(left, top, width, stem * 0.9);
            break;
        case GlyphShape::Point:
            fillRect(left + 0.02 * xh, base - stem * 1.2, stem * 1.2, stem * 1.2);
            break;
    }
}

}  // namespace

Word wordOfLength(Random& random, int length) {
    Word word;
    for (int i = 0; i < length; ++i) {
        addGlyph(word, randomLetter(random));
    }
    return word;
}

Word randomWord(Random& random) {
    Word word = wordOfLength(random, randomWordLength(random));
    if (random.chance(0.07)) {
        addGlyph(word, GlyphShape::Point);
    }
    return word;
}

void drawWord(QPainter& painter, const Word& word, QPointF origin, double xHeight, int ink) {
    const QColor colour(ink, ink, ink);
    painter.setPen(QPen(colour, kStem * xHeight, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    double x = origin.x();
    for (const GlyphShape shape : word.glyphs) {
        drawGlyph(painter, shape, x, origin.y(), xHeight, colour);
        x += (shapeWidth(shape) + kLetterSpacing) * xHeight;
    }
}

}  // namespace bookgen
