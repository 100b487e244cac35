#include "trimming/ViewRenderer.h"

#include <QPainter>

namespace trimming {

QImage renderView(const QImage& picture, int viewWidth, int viewHeight, const ViewFit& fit) {
    if (viewWidth <= 0 || viewHeight <= 0) {
        return {};
    }
    QImage view(viewWidth, viewHeight, QImage::Format_RGB32);
    if (view.isNull()) {
        return view;
    }
    view.fill(Qt::black);
    if (picture.isNull() || fit.width <= 0 || fit.height <= 0) {
        return view;
    }
    QPainter painter(&view);
    if (!fit.scaled) {
        painter.drawImage(fit.left, fit.top, picture);
        return view;
    }
    const QImage resized =
        picture.scaled(fit.width, fit.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(fit.left, fit.top, resized);
    return view;
}

}  // namespace trimming
