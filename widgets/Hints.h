#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Hints (tooltips) appear 500 ms after the pointer comes to rest and stay
// 60 seconds. Installed once for the whole program.
class HintTimes : public QObject {
    Q_OBJECT
public:
    static constexpr int kWakeUpMs = 500;
    static constexpr int kShowMs = 60000;

    explicit HintTimes(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Gives a control its hint ("\r\n" breaks lines) and shows it.
void setHint(QWidget& widget, const QString& hint);
// Whether the control's hint shows; the hint itself is kept.
void showHint(QWidget& widget, bool shown);
