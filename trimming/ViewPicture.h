#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

// The trimming view's picture area: it keeps the picture the view
// rendered and draws it at its top-left corner on black. The frame outline
// is drawn into that picture by inverting pixels, so toggling the same
// rectangle twice erases it; the area remembers which rectangles are drawn.
class ViewPicture : public QWidget {
    Q_OBJECT
public:
    // A rectangle in view pixels, right and bottom exclusive. Kept as plain
    // numbers: a frame grown past the image can be wider than QRect's
    // right edge can hold.
    struct Outline {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;

        bool operator==(const Outline&) const = default;
    };

    explicit ViewPicture(QWidget* parent);

    // Replaces the picture; no outline is drawn on the new one.
    void setPicture(QImage picture);
    // Empties the area (black), outlines included.
    void clearPicture();
    const QImage& picture() const { return picture_; }

    // Draws the dotted outline of `frame`, or erases it when it is drawn
    // there already.
    void toggleOutline(const Outline& frame);
    bool outlineShown() const { return !outlines_.isEmpty(); }
    // The rectangles whose outline is drawn now, oldest first.
    const QList<Outline>& outlines() const { return outlines_; }

signals:
    void doubleClicked();
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage picture_;
    QList<Outline> outlines_;
};
