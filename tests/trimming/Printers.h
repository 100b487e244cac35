#pragma once

#include "trimming/ViewFit.h"

#include <ostream>

namespace trimming {

// Readable failure output for fits: "(left, top, width x height, scaled)".
inline void PrintTo(const ViewFit& fit, std::ostream* os) {
    *os << "(" << fit.left << ", " << fit.top << ", " << fit.width << " x " << fit.height << ", "
        << (fit.scaled ? "scaled" : "1:1") << ")";
}

}  // namespace trimming
