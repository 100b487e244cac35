#pragma once

#include "model/SplitOptions.h"

#include <QString>

#include <optional>

namespace split {

// The total the progress line counts to: every catalogue item when
// unselected images are copied or saved anew, else the selected ones.
int batchTotal(int itemCount, int selectedCount, const SplitOptions& options);

// "3 / 12": the running number over the total.
QString progressText(int number, int total);

// The progress line for the running number, "3 / 12"; nullopt once the
// number has passed the total, so the line stops at the total.
std::optional<QString> progressLine(int number, int total);

}  // namespace split
