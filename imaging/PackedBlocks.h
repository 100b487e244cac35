#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace imaging {

// One 8 x 8 block of quantised DCT coefficients as libjpeg holds it: index
// 8 * v + u for vertical frequency v and horizontal frequency u.
using CoefficientBlock = std::int16_t[64];

// How a block is turned while it is unpacked. Turning the pixels of a block
// a quarter moves coefficient (v, u) to (u, v) and flips the sign of the
// odd frequencies along the mirrored axis:
//   Left  (counter-clockwise): out[8u + v] = (-1)^u in[8v + u]
//   Right (clockwise):         out[8u + v] = (-1)^v in[8v + u]
enum class BlockTurn { None, Left, Right };

// The blocks of one colour component of a JPEG, row by row, each row packed
// on its own: a scan's blocks are mostly zeros, so a packed picture takes
// a few times its JPEG file's size instead of two bytes a sample.
//
// A packed block is its length in bytes (one byte), its DC coefficient
// (two bytes), then one entry per nonzero AC coefficient in libjpeg's
// order: a byte whose high nibble is the number of zeros skipped since the
// last entry and whose low nibble is the value when it lies in -8..7
// (stored as its low four bits), or 0 followed by the value in two bytes.
// Sixteen or more zeros in a row are skipped by an entry of fifteen zeros
// and the value 0 in two bytes. A block takes at most 192 bytes, so its
// length fits its first byte.
//
// Rows never packed read as zeros, as libjpeg expects of a fresh
// coefficient buffer. Packed rows lie one after the other in chunks of a
// megabyte (or of the largest row), which reset() keeps for the next
// picture, so a picture takes what its packed rows need and a batch no
// more than its largest picture. A row packed again (each scan of a
// progressive file) is rewritten in place when it fits; the space of rows
// packed anew is reclaimed once it outweighs the rows. Packing may throw
// std::bad_alloc; unpacking never allocates. Not thread-safe; one
// component per thread.
class PackedComponent {
public:
    // Empties the component for a picture of rows x blocksPerRow blocks.
    void reset(int blocksPerRow, int rows);

    int blocksPerRow() const { return blocksPerRow_; }
    int rows() const { return rows_; }

    // Packs the blocksPerRow() blocks of `blocks` as row `row`, replacing
    // what the row held.
    void packRow(int row, const CoefficientBlock* blocks);

    // Blocks first .. first + count - 1 of `row` into `out`.
    void unpackRow(int row, int first, int count, CoefficientBlock* out) const;

    // The packed block at `column` of `row` (a row never packed has none:
    // nullptr). Walks the row from its start; for many blocks of one row
    // use blockOffsets.
    const std::uint8_t* packedBlock(int row, int column) const;
    // Where blocks first .. first + count - 1 of `row` start, as offsets
    // from the row's first byte into `out`; false for a row never packed.
    bool blockOffsets(int row, int first, int count, std::uint32_t* out) const;
    const std::uint8_t* rowBytes(int row) const;

    // The bytes the packed rows take.
    qsizetype packedBytes() const;

private:
    struct RowPlace {
        std::uint8_t* bytes = nullptr;  // null: never packed
        size_t length = 0;
    };
    static constexpr size_t kChunkBytes = 1 << 20;

    // Where `length` bytes fit in the chunks (taken by place, only looked
    // up by room).
    std::uint8_t* room(size_t length);
    std::uint8_t* place(size_t length);
    void compact();

    int blocksPerRow_ = 0;
    int rows_ = 0;
    std::vector<RowPlace> rowPlaces_;
    std::vector<std::unique_ptr<std::uint8_t[]>> chunks_;
    size_t chunkBytes_ = 0;
    size_t chunk_ = 0;                   // the chunk rows are placed in
    size_t used_ = 0;                    // its bytes taken
    size_t live_ = 0;                    // bytes of the packed rows
    size_t dropped_ = 0;                 // bytes of rows packed anew since
    std::vector<std::uint8_t> scratch_;  // one row packed at its largest
};

// Unpacks one packed block into `out`, turned as `turn` says.
void unpackBlock(const std::uint8_t* packed, CoefficientBlock& out, BlockTurn turn);

}  // namespace imaging
