#include "split/BatchProgress.h"

namespace split {

int batchTotal(int itemCount, int selectedCount, const SplitOptions& options) {
    return options.copyUnselected || options.resaveUnselected ? itemCount : selectedCount;
}

std::optional<QString> progressLine(int number, int total) {
    if (total < number) {
        return std::nullopt;
    }
    return QStringLiteral("%1 / %2").arg(number).arg(total);
}

}  // namespace split
