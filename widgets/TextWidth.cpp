#include "widgets/TextWidth.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace {

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// A button's text as drawn: "&&" is an ampersand, a lone "&" marks a key.
QString shownText(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int labelWidth(const QLabel& label) {
    if (label.text().isEmpty() || label.wordWrap() || Qt::mightBeRichText(label.text()))
        return 0;
    const QFontMetrics metrics = label.fontMetrics();
    // A framed label without an indent of its own insets its text by half an x.
    const int indent = label.indent() >= 0      ? label.indent()
                       : label.frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                                                : 0;
    return widestLine(metrics, label.text()) + 2 * label.margin() + indent + 2 * label.frameWidth();
}

}  // namespace

int textWidthNeeded(const QWidget& control) {
    const QStyle& style = *control.style();
    const QFontMetrics metrics = control.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return labelWidth(*label);
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
        return style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
               style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
               metrics.horizontalAdvance(shownText(box->text()));
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(&control)) {
        return style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
               style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio) +
               metrics.horizontalAdvance(shownText(radio->text()));
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return button->text().isEmpty()
                   ? 0
                   : metrics.horizontalAdvance(shownText(button->text())) +
                         style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                         2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        // The title is drawn inset from the frame on both sides.
        return group->title().isEmpty() ? 0 : metrics.horizontalAdvance(group->title()) + 12;
    }
    return 0;
}

void widenToShowText(QWidget& control) {
    const int needed = textWidthNeeded(control);
    if (needed > control.width())
        control.resize(needed, control.height());
}
