#include "bookgen/TextPage.h"

#include "bookgen/Figure.h"
#include "bookgen/Glyphs.h"

#include <algorithm>
#include <vector>

namespace bookgen {

namespace {

constexpr double kWordGap = 0.55;  // x-heights between words

// Ink of one word: printing is never perfectly even.
int wordInk(Random& random) {
    return random.between(225, 255);
}

// The words that fill a line `width` pixels wide, at least one.
std::vector<Word> fillLine(double width, double xHeight, Random& random) {
    std::vector<Word> words;
    double used = 0;
    while (true) {
        Word word = randomWord(random);
        const double needed = (words.empty() ? 0 : kWordGap * xHeight) + word.width * xHeight;
        if (!words.empty() && used + needed > width) {
            return words;
        }
        used += needed;
        words.push_back(std::move(word));
        if (used >= width) {
            return words;
        }
    }
}

// Draws `words` from `left` on `baseline`; justified lines spread them
// to `width`, others keep the normal gap.
void drawLine(QPainter& ink, const std::vector<Word>& words, double left, double baseline,
              double width, bool justified, double xHeight, Random& random) {
    double wordsWidth = 0;
    for (const Word& word : words) {
        wordsWidth += word.width * xHeight;
    }
    double gap = kWordGap * xHeight;
    if (justified && words.size() > 1) {
        gap = std::max(gap * 0.7, (width - wordsWidth) / static_cast<double>(words.size() - 1));
    }
    double x = left;
    for (const Word& word : words) {
        drawWord(ink, word, QPointF(x, baseline), xHeight, wordInk(random));
        x += word.width * xHeight + gap;
    }
}

// A paragraph from `baseline` on, at most up to `lastBaseline`; returns the
// baseline after it.
double drawParagraph(QPainter& ink, double left, double width, double baseline, double lastBaseline,
                     const PrintSize& print, Random& random) {
    const int lines = random.between(2, 12);
    for (int line = 0; line < lines && baseline <= lastBaseline; ++line) {
        const double indent = line == 0 ? 1.6 * print.xHeight : 0;
        const bool last = line == lines - 1;
        const double lineWidth =
            last ? (width - indent) * (0.25 + 0.65 * random.unit()) : width - indent;
        const auto words = fillLine(lineWidth, print.xHeight, random);
        drawLine(ink, words, left + indent, baseline, width - indent, !last, print.xHeight, random);
        baseline += print.linePitch;
    }
    return baseline;
}

// Figure with a one-line legend; returns the baseline after it.
double drawFigureBlock(QPainter& ink, double left, double width, double baseline, double height,
                       const PrintSize& print, Random& random) {
    const double figureWidth = random.chance(0.5) ? width : width * 0.72;
    const QRectF box(left + (width - figureWidth) / 2, baseline - print.xHeight, figureWidth,
                     height);
    drawFigure(ink, box, random);
    const double legend = box.bottom() + 2.2 * print.xHeight;
    drawCentredLine(ink, QPointF(left + width / 2, legend), random.between(3, 7),
                    print.xHeight * 0.85, random);
    return legend + 2 * print.linePitch;
}

}  // namespace

PrintSize PrintSize::forPageHeight(double pageHeight) {
    PrintSize print;
    print.xHeight = std::max(3.0, pageHeight / 150);
    print.linePitch = 2.2 * print.xHeight;
    return print;
}

void drawCentredLine(QPainter& ink, QPointF centre, int words, double xHeight, Random& random) {
    std::vector<Word> line;
    double width = 0;
    for (int i = 0; i < words; ++i) {
        line.push_back(randomWord(random));
        width += line.back().width * xHeight + (i > 0 ? kWordGap * xHeight : 0);
    }
    drawLine(ink, line, centre.x() - width / 2, centre.y(), width, false, xHeight, random);
}

void layOutTextPage(QPainter& ink, const QRectF& page, bool leftHand, int pageNumber,
                    Random& random) {
    const PrintSize print = PrintSize::forPageHeight(page.height());
    const double outer = page.width() * 0.115;
    const double inner = page.width() * 0.09;
    const double left = page.left() + (leftHand ? outer : inner);
    const double width = page.width() - outer - inner;
    const double top = page.top() + page.height() * 0.085;
    const double bottom = page.bottom() - page.height() * 0.11;
    const double centre = left + width / 2;

    double baseline = top + print.xHeight;
    const bool chapterOpening = random.chance(0.12);
    if (chapterOpening) {
        baseline += page.height() * 0.12;
        drawCentredLine(ink, QPointF(centre, baseline), random.between(1, 3), print.xHeight * 2.2,
                        random);
        baseline += 4 * print.linePitch;
    } else if (pageNumber > 0) {
        drawCentredLine(ink, QPointF(centre, top - 2 * print.xHeight), random.between(2, 4),
                        print.xHeight * 0.8, random);
    }

    bool figureDrawn = false;
    while (baseline <= bottom) {
        const double room = bottom - baseline;
        if (!figureDrawn && !chapterOpening && room > 0.4 * (bottom - top) && random.chance(0.2)) {
            figureDrawn = true;
            const double height = (bottom - top) * (0.2 + 0.12 * random.unit());
            baseline = drawFigureBlock(ink, left, width, baseline, height, print, random);
            continue;
        }
        baseline = drawParagraph(ink, left, width, baseline, bottom, print, random);
        if (random.chance(0.08)) {
            baseline += print.linePitch;  // a section break
        }
    }

    if (pageNumber > 0) {
        const int digits = static_cast<int>(QString::number(pageNumber).size());
        const Word number = wordOfLength(random, digits);
        const double x = centre - number.width * print.xHeight / 2;
        drawWord(ink, number, QPointF(x, bottom + page.height() * 0.055), print.xHeight, 250);
    }
}

}  // namespace bookgen
