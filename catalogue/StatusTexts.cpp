#include "catalogue/StatusTexts.h"

#include <QCoreApplication>

namespace catalogue {

QString loadPhaseText(model::LoadingState::Phase phase) {
    switch (phase) {
        case model::LoadingState::Phase::Running:
            return QCoreApplication::translate("catalogue", "Loading");
        case model::LoadingState::Phase::Loaded:
            return QCoreApplication::translate("catalogue", "Loaded");
        case model::LoadingState::Phase::Interrupted:
            return QCoreApplication::translate("catalogue", "Stopped");
        case model::LoadingState::Phase::Idle:
            break;
    }
    return QString();
}

QString currentItemText(int index, const QString& caption) {
    return QStringLiteral(" [No.") + QString::number(index + 1) + QStringLiteral("]  ") + caption;
}

QString splittableText() {
    return QCoreApplication::translate("catalogue", "Ready");
}

QString selectedCountText(int count) {
    return QCoreApplication::translate("catalogue", " %1 selected").arg(count);
}

QString loadingProgressText(int index, int total) {
    return QCoreApplication::translate("catalogue", "%1/%2   [ESC] stops")
        .arg(index + 1)
        .arg(total);
}

QString unreadableFilesText(int count) {
    return QCoreApplication::translate("catalogue", " %n unreadable file(s) kept their selection",
                                       nullptr, count);
}

}  // namespace catalogue
