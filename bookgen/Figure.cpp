#include "bookgen/Figure.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>

namespace bookgen {

namespace {

QColor amount(int level) {
    return QColor(level, level, level);
}

}  // namespace

void drawFigure(QPainter& ink, const QRectF& box, Random& random) {
    ink.save();
    ink.setClipRect(box);
    QLinearGradient sky(box.topLeft(), box.bottomLeft());
    sky.setColorAt(0, amount(random.between(70, 110)));
    sky.setColorAt(1, amount(random.between(10, 35)));
    ink.fillRect(box, sky);

    const QPointF sun(box.left() + box.width() * (0.2 + 0.6 * random.unit()),
                      box.top() + box.height() * (0.15 + 0.2 * random.unit()));
    const double sunRadius = box.height() * 0.09;
    QRadialGradient glow(sun, sunRadius * 2.5);
    glow.setColorAt(0, amount(0));
    glow.setColorAt(0.4, amount(0));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    ink.setPen(Qt::NoPen);
    ink.setBrush(glow);
    ink.drawEllipse(sun, sunRadius * 2.5, sunRadius * 2.5);

    // Hills from far (light) to near (dark).
    const int hills = random.between(3, 5);
    for (int i = 0; i < hills; ++i) {
        const double crest = box.top() + box.height() * (0.45 + 0.12 * i + 0.05 * random.unit());
        const double centre = box.left() + box.width() * random.unit();
        const double halfWidth = box.width() * (0.4 + 0.5 * random.unit());
        QLinearGradient shade(QPointF(centre, crest), QPointF(centre, box.bottom()));
        const int level = 90 + 35 * i + random.between(0, 20);
        shade.setColorAt(0, amount(std::min(level, 235)));
        shade.setColorAt(1, amount(std::min(level + 30, 245)));
        ink.setBrush(shade);
        ink.drawEllipse(QPointF(centre, box.bottom() + (box.bottom() - crest) * 0.6), halfWidth,
                        (box.bottom() - crest) * 1.6);
    }
    ink.restore();

    ink.save();
    ink.setPen(QPen(amount(230), std::max(1.0, box.height() / 250)));
    ink.setBrush(Qt::NoBrush);
    ink.drawRect(box);
    ink.restore();
}

}  // namespace bookgen
