#pragma once

#include "bookgen/ScanPlan.h"

#include <QImage>

namespace bookgen {

// The pixels of one planned scan as a flatbed scanner delivers them:
// RGB888 of plan.size, always the same for the same plan. A null image
// when memory runs out.
QImage paintScan(const ScanPlan& plan);

}  // namespace bookgen
