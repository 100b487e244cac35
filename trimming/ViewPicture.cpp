#include "trimming/ViewPicture.h"

#include "trimming/FocusOutline.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

ViewPicture::ViewPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void ViewPicture::setPicture(QImage picture) {
    picture_ = std::move(picture);
    if (!picture_.isNull() && picture_.format() != QImage::Format_RGB32) {
        picture_ = picture_.convertToFormat(QImage::Format_RGB32);
    }
    outlines_.clear();
    update();
}

void ViewPicture::clearPicture() {
    picture_ = QImage();
    outlines_.clear();
    update();
}

void ViewPicture::toggleOutline(const Outline& frame) {
    trimming::invertFocusOutline(picture_, frame.left, frame.top, frame.width, frame.height);
    if (!outlines_.removeOne(frame)) {
        outlines_.append(frame);
    }
    update();
}

void ViewPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    if (!picture_.isNull()) {
        painter.drawImage(0, 0, picture_);
    }
}

void ViewPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
}

void ViewPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}
