#include "split/BatchProgress.h"

namespace split {

int batchTotal(int itemCount, int selectedCount, const SplitOptions& options) {
    return options.copyUnselected || options.resaveUnselected ? itemCount : selectedCount;
}

QString progressText(int number, int total) {
    return QStringLiteral("%1 / %2").arg(number).arg(total);
}

std::optional<QString> progressLine(int number, int total) {
    if (total < number) {
        return std::nullopt;
    }
    return progressText(number, total);
}

}  // namespace split
