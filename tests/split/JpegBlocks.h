#pragma once

// A JPEG's quantised DCT blocks read with libjpeg's jpeg_read_coefficients,
// independent of the code under test, and the check that a page holds a
// source's blocks.

#include "imaging/Stretch.h"

#include <QByteArray>

#include <array>
#include <string>
#include <vector>

namespace split_tests {

struct ComponentBlocks {
    int widthInBlocks = 0;
    int heightInBlocks = 0;
    // Pixels a block covers each way (8 times the subsampling).
    int blockWidth = 8;
    int blockHeight = 8;
    // Every block's coefficients multiplied by its quantisation table, so
    // files with their tables in other slots or transposed compare alike.
    std::vector<std::array<int, 64>> blocks;

    const std::array<int, 64>& at(int column, int row) const {
        return blocks[static_cast<size_t>(row) * static_cast<size_t>(widthInBlocks) +
                      static_cast<size_t>(column)];
    }
};

struct JpegBlocks {
    bool readable = false;
    int width = 0;
    int height = 0;
    std::vector<ComponentBlocks> components;
};

JpegBlocks readBlocks(const QByteArray& jpeg);

enum class PageTurn { None, Left, Right };

// The first block where `page` differs from the blocks of `source` inside
// `rect` (source pixels), turned as `turn` says, as text; the empty string
// when every block of the page equals the source's block at the same place.
// A page turned left holds the source's column of blocks width - 1 - r as
// its row r; turned right, the source's column r with its rows reversed.
// Inside a turned block, coefficient (v, u) sits at (u, v) with the sign
// of odd frequencies along the mirrored axis flipped.
std::string firstBlockDifference(const JpegBlocks& page, const JpegBlocks& source,
                                 const imaging::PixelRect& rect, PageTurn turn);

}  // namespace split_tests
