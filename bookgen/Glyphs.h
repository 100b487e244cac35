#pragma once

#include "bookgen/Random.h"

#include <QPainter>
#include <QPointF>

#include <vector>

namespace bookgen {

// Letter-like shapes made of stems, bowls and arches. From a reading
// distance (and to every algorithm that looks at a scan) lines of them are
// lines of print; no font is needed.
enum class GlyphShape {
    Arch,        // n
    Ring,        // o
    Tall,        // l
    Dotted,      // i
    Descender,   // p
    OpenBowl,    // c, e
    DoubleArch,  // m
    Bowled,      // d
    Crossed,     // t
    Point,       // full stop
};

// A word: its glyphs and its width in x-heights (letter spacing included).
struct Word {
    std::vector<GlyphShape> glyphs;
    double width = 0;
};

// A word of one to ten glyphs, short words more often, now and then ending
// in a full stop.
Word randomWord(Random& random);

// A word of exactly `length` glyphs (for page numbers and headings).
Word wordOfLength(Random& random, int length);

// Draws `word` with its baseline starting at `origin`, glyphs `xHeight`
// pixels high, in `ink` (a grey level of the painter's target: the amount
// of ink). Ascenders reach 0.55 x-heights above, descenders 0.5 below.
void drawWord(QPainter& painter, const Word& word, QPointF origin, double xHeight, int ink);

}  // namespace bookgen
