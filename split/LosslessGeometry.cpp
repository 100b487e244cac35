#include "split/LosslessGeometry.h"

#include "split/SplitGeometry.h"

namespace split {

namespace {

using imaging::PixelRect;

// Grid lines at or below / at or above a non-negative position.
int gridLineAtOrBelow(int position, int step) {
    return position / step * step;
}

int gridLineAtOrAbove(int position, int step) {
    return (position + step - 1) / step * step;
}

// The parts today's cut takes: at the half the top-left part size of each
// rectangle (a far part one pixel larger is cut to the part's size), at a
// cut found elsewhere each rectangle whole.
std::vector<PixelRect> todaysParts(const SplitGeometry& geometry) {
    const auto part = [&geometry](const PixelRect& from) {
        if (!geometry.atCentre) {
            return from;
        }
        return PixelRect{from.left, from.top, from.left + geometry.partSize.width(),
                         from.top + geometry.partSize.height()};
    };
    std::vector<PixelRect> parts{part(geometry.first)};
    if (geometry.second) {
        parts.push_back(part(*geometry.second));
    }
    return parts;
}

// A page whose left and top edges lie on the grid, with the turn's rule.
LosslessPage turnedPage(PixelRect rect, QSize picture, QSize grid, const SplitOptions& options) {
    if (!options.turn) {
        return LosslessPage{rect, std::nullopt};
    }
    if (options.turnDirection == TurnDirection::Left) {
        const int right = rect.left + gridLineAtOrAbove(rect.width(), grid.width());
        if (right <= picture.width()) {
            rect.right = right;
            return LosslessPage{rect, std::nullopt};
        }
    } else {
        const int bottom = rect.top + gridLineAtOrAbove(rect.height(), grid.height());
        if (bottom <= picture.height()) {
            rect.bottom = bottom;
            return LosslessPage{rect, std::nullopt};
        }
    }
    return LosslessPage{rect, NotLosslessReason::TurnOffGrid};
}

}  // namespace

core::Expected<std::vector<LosslessPage>> losslessPages(QSize picture, QSize grid,
                                                        const SplitOptions& options,
                                                        std::optional<int> cut) {
    const int width = picture.width();
    const int height = picture.height();
    const auto today =
        splitGeometry(width, height, options.direction, options.centreWidthInUse(), cut);
    if (!today) {
        return today.error();
    }
    if (options.direction == SplitDirection::None) {
        return std::vector<LosslessPage>{
            turnedPage(PixelRect{0, 0, width, height}, picture, grid, options)};
    }

    const bool leftRight =
        options.direction == SplitDirection::Right || options.direction == SplitDirection::Left;
    const int length = leftRight ? width : height;
    const int step = leftRight ? grid.width() : grid.height();
    const int at = cut.value_or(length / 2);
    const int centre = today->centreWidth;
    const int nearEnd = centre == 0 ? gridLineAtOrBelow(at, step) : at - centre;
    const int farStart = centre == 0 ? nearEnd : gridLineAtOrAbove(at + centre, step);
    if (nearEnd < 1 || farStart >= length) {
        std::vector<LosslessPage> pages;
        for (const PixelRect& part : todaysParts(*today)) {
            pages.push_back(LosslessPage{part, NotLosslessReason::TooSmallForGrid});
        }
        return pages;
    }
    const auto span = [&](int from, int to) {
        return leftRight ? PixelRect{from, 0, to, height} : PixelRect{0, from, width, to};
    };
    const PixelRect nearPage = span(0, nearEnd);
    const PixelRect farPage = span(farStart, length);
    const bool nearFirst =
        options.direction == SplitDirection::Right || options.direction == SplitDirection::Down;
    return std::vector<LosslessPage>{
        turnedPage(nearFirst ? nearPage : farPage, picture, grid, options),
        turnedPage(nearFirst ? farPage : nearPage, picture, grid, options)};
}

core::Expected<std::vector<PixelRect>> todaysParts(QSize picture, const SplitOptions& options,
                                                   std::optional<int> cut) {
    const auto today = splitGeometry(picture.width(), picture.height(), options.direction,
                                     options.centreWidthInUse(), cut);
    if (!today) {
        return today.error();
    }
    return todaysParts(*today);
}

LosslessPage losslessPageFromBox(const PixelRect& box, QSize picture, QSize grid,
                                 const SplitOptions& options) {
    const PixelRect snapped{gridLineAtOrBelow(box.left, grid.width()),
                            gridLineAtOrBelow(box.top, grid.height()), box.right, box.bottom};
    return turnedPage(snapped, picture, grid, options);
}

}  // namespace split
