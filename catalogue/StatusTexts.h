#pragma once

#include "model/LoadingState.h"

#include <QString>

namespace catalogue {

// Texts of the catalogue window's status bar.

// Panel 0 for a phase of the loading: empty before the first loading.
QString loadPhaseText(model::LoadingState::Phase phase);

// Panel 1 when one item is current and selected:
// " [No." + (index + 1) + "]" + two spaces + caption.
QString currentItemText(int index, const QString& caption);

// Panel 0 once an item is current: the catalogue can be split.
QString splittableText();

// Panel 1 when several items are selected: how many.
QString selectedCountText(int count);

// Panel 1 while loading the file at `index` (0-based) of `total`:
// (index + 1) + "/" + total, and that Esc stops.
QString loadingProgressText(int index, int total);

// Panel 1 after an automatic selection that met `count` (> 0) files it could
// not read; those items kept their selection.
QString unreadableFilesText(int count);

}  // namespace catalogue
