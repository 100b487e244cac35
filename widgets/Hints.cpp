#include "widgets/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr char kHintProperty[] = "quillfoldHint";

class HintStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return HintTimes::kWakeUpMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QString displayed(const QString& hint) {
    QString text = hint;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

HintTimes::HintTimes(QObject* parent) : QObject(parent) {
    // The application owns the style it is given.
    QApplication::setStyle(new HintStyle);
    qApp->installEventFilter(this);
}

bool HintTimes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->toolTip().isEmpty())
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, kShowMs);
    return true;
}

void setHint(QWidget& widget, const QString& hint) {
    widget.setProperty(kHintProperty, hint);
    widget.setToolTip(displayed(hint));
}

void showHint(QWidget& widget, bool shown) {
    widget.setToolTip(shown ? displayed(widget.property(kHintProperty).toString()) : QString());
}
