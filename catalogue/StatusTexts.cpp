#include "catalogue/StatusTexts.h"

namespace catalogue {

QString loadPhaseText(model::LoadingState::Phase phase) {
    switch (phase) {
        case model::LoadingState::Phase::Running:
            return kLoadingText;
        case model::LoadingState::Phase::Loaded:
            return kLoadedText;
        case model::LoadingState::Phase::Interrupted:
            return kLoadInterruptedText;
        case model::LoadingState::Phase::Idle:
            break;
    }
    return QString();
}

QString currentItemText(int index, const QString& caption) {
    return QStringLiteral(" [No.") + QString::number(index + 1) + QStringLiteral("]  ") + caption;
}

QString selectedCountText(int count) {
    return QLatin1Char(' ') + QString::number(count) + QStringLiteral(" ヶ所選択");
}

QString loadingProgressText(int index, int total) {
    return QString::number(index + 1) + QLatin1Char('/') + QString::number(total) +
           QStringLiteral("   [ESC]で中断");
}

QString unreadableFilesText(int count) {
    return QStringLiteral(" 読めないファイル ") + QString::number(count) +
           QStringLiteral(" 件は選択を変えていません");
}

}  // namespace catalogue
