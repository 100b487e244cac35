#include "widgets/FormLook.h"

#include "widgets/TextWidth.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

QFont programFont(int pixelHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace

void applyFormFont(QWidget& window) {
    window.setFont(programFont(12));
}

void setPixelFont(QWidget& widget, int pixelHeight) {
    widget.setFont(programFont(pixelHeight));
}

int textBoxHeight(const QLabel& box) {
    // A frame's width is part of the contents margins.
    const QMargins margins = box.contentsMargins();
    return box.fontMetrics().height() + margins.top() + margins.bottom() + 2 * box.margin();
}

void makeDialogWindow(QWidget& window, int clientWidth, int clientHeight, CloseButton close) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (close == CloseButton::Shown)
        flags |= Qt::WindowCloseButtonHint;
    window.setWindowFlags(flags);
    window.setFixedSize(clientWidth, clientHeight);
    applyFormFont(window);
}

void setObjectAndAccessibleName(QWidget& widget, const QString& objectName,
                                const QString& accessibleName) {
    widget.setObjectName(objectName);
    widget.setAccessibleName(accessibleName);
}

int windowLeft(const QWidget& window) {
    return window.frameGeometry().x();
}
int windowTop(const QWidget& window) {
    return window.frameGeometry().y();
}

void placeWindow(QWidget& window, int left, int top) {
    // move() places a top-level window by its frame.
    window.move(left, top);
}

int windowOuterWidth(const QWidget& window) {
    return window.frameGeometry().width();
}
int windowOuterHeight(const QWidget& window) {
    return window.frameGeometry().height();
}

void resizeOuter(QWidget& window, int outerWidth, int outerHeight) {
    const int frameWidth = window.frameGeometry().width() - window.width();
    const int frameHeight = window.frameGeometry().height() - window.height();
    const QPoint frameTopLeft = window.frameGeometry().topLeft();
    window.resize(std::max(0, outerWidth - frameWidth), std::max(0, outerHeight - frameHeight));
    // Some platforms keep a resized window's client area on the screen and
    // so shift a window that lies partly above or left of it; the frame
    // stays where it was.
    if (QWindow* handle = window.windowHandle()) {
        handle->setFramePosition(frameTopLeft);
    } else {
        window.move(frameTopLeft);
    }
}

QPushButton* pushButton(QWidget* parent, const QString& designerName, const QString& text,
                        const QRect& geometry) {
    auto* button = named(new QPushButton(text, parent), designerName);
    button->setGeometry(geometry);
    widenToShowText(*button);
    return button;
}
