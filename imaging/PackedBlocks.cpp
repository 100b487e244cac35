#include "imaging/PackedBlocks.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace imaging {

namespace {

constexpr int kLargestBlock = 1 + 2 + 63 * 3;
static_assert(kLargestBlock < 256, "a block's length must fit its first byte");

// Bit i set when coefficient i is not zero.
std::uint64_t nonzeroCoefficients(const CoefficientBlock& block) {
#if defined(__SSE2__)
    // Packing with signed saturation keeps every nonzero value nonzero.
    std::uint64_t mask = 0;
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < 4; ++i) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i + 8));
        const __m128i zeros = _mm_cmpeq_epi8(_mm_packs_epi16(low, high), zero);
        const auto zeroBits = static_cast<std::uint64_t>(_mm_movemask_epi8(zeros));
        mask |= (~zeroBits & 0xffff) << (16 * i);
    }
    return mask;
#else
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i) {
        mask |= static_cast<std::uint64_t>(block[i] != 0) << i;
    }
    return mask;
#endif
}

void putWide(std::uint8_t*& at, std::int16_t value) {
    std::memcpy(at, &value, 2);
    at += 2;
}

std::int16_t takeWide(const std::uint8_t*& at) {
    std::int16_t value;
    std::memcpy(&value, at, 2);
    at += 2;
    return value;
}

// Packs `block` at `at`; returns the end.
std::uint8_t* packBlock(const CoefficientBlock& block, std::uint8_t* at) {
    std::uint8_t* const start = at++;
    putWide(at, block[0]);
    std::uint64_t rest = nonzeroCoefficients(block) & ~std::uint64_t{1};
    int last = 0;
    while (rest != 0) {
        const int index = __builtin_ctzll(rest);
        rest &= rest - 1;
        int zeros = index - last - 1;
        last = index;
        while (zeros > 15) {
            *at++ = 0xf0;
            putWide(at, 0);
            zeros -= 16;
        }
        // Written without a branch on the value, whose sign and size
        // follow no pattern: the wide value always goes after the entry
        // byte, and the position moves past it only when it is needed.
        const int value = block[index];
        const bool small = static_cast<unsigned>(value + 8) < 16;
        at[0] = static_cast<std::uint8_t>((zeros << 4) | (small ? (value & 15) : 0));
        std::memcpy(at + 1, &block[index], 2);
        at += small ? 1 : 3;
    }
    *start = static_cast<std::uint8_t>(at - start);
    return at;
}

// Where coefficient i goes in a turned block, and whether its sign flips.
struct TurnTable {
    std::array<std::uint8_t, 64> target{};
    std::array<bool, 64> negate{};
};

constexpr TurnTable makeTurnTable(BlockTurn turn) {
    TurnTable table;
    for (int i = 0; i < 64; ++i) {
        const int v = i / 8;
        const int u = i % 8;
        table.target[i] = static_cast<std::uint8_t>(turn == BlockTurn::None ? i : 8 * u + v);
        table.negate[i] =
            (turn == BlockTurn::Left && u % 2 == 1) || (turn == BlockTurn::Right && v % 2 == 1);
    }
    return table;
}

constexpr TurnTable kTurnLeft = makeTurnTable(BlockTurn::Left);
constexpr TurnTable kTurnRight = makeTurnTable(BlockTurn::Right);

// Walks the entries of a packed block, handing each nonzero AC coefficient
// to `put(index, value)`.
template <typename Put>
void forEachEntry(const std::uint8_t* packed, Put&& put) {
    const std::uint8_t* const end = packed + packed[0];
    const std::uint8_t* at = packed + 3;
    int index = 0;
    while (at < end) {
        const std::uint8_t entry = *at++;
        index += (entry >> 4) + 1;
        const int code = entry & 15;
        // A four-bit two's complement value, sign-extended without a branch.
        const int value = code == 0 ? takeWide(at) : (code ^ 8) - 8;
        put(index, value);
    }
}

void zeroBlock(CoefficientBlock& block) {
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < 64; i += 8) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(block + i), zero);
    }
#else
    std::memset(block, 0, sizeof block);
#endif
}

std::int16_t dcOf(const std::uint8_t* packed) {
    const std::uint8_t* at = packed + 1;
    return takeWide(at);
}

}  // namespace

void unpackBlock(const std::uint8_t* packed, CoefficientBlock& out, BlockTurn turn) {
    zeroBlock(out);
    out[0] = dcOf(packed);
    if (turn == BlockTurn::None) {
        forEachEntry(packed, [&out](int index, int value) {
            out[index] = static_cast<std::int16_t>(value);
        });
        return;
    }
    const TurnTable& table = turn == BlockTurn::Left ? kTurnLeft : kTurnRight;
    forEachEntry(packed, [&out, &table](int index, int value) {
        out[table.target[index]] = static_cast<std::int16_t>(table.negate[index] ? -value : value);
    });
}

void PackedComponent::reset(int blocksPerRow, int rows) {
    blocksPerRow_ = blocksPerRow;
    rows_ = rows;
    rowPlaces_.assign(static_cast<size_t>(rows), RowPlace{});
    const size_t largestRow = static_cast<size_t>(blocksPerRow) * kLargestBlock;
    scratch_.resize(largestRow);
    const size_t chunkBytes = std::max(kChunkBytes, largestRow);
    if (chunkBytes != chunkBytes_) {
        chunks_.clear();
        chunkBytes_ = chunkBytes;
    }
    chunk_ = 0;
    used_ = 0;
    live_ = 0;
    dropped_ = 0;
}

std::uint8_t* PackedComponent::room(size_t length) {
    if (chunks_.empty() || used_ + length > chunkBytes_) {
        if (!chunks_.empty()) {
            ++chunk_;
            used_ = 0;
        }
        if (chunk_ == chunks_.size()) {
            // Not zeroed: only the bytes written are ever touched.
            chunks_.emplace_back(new std::uint8_t[chunkBytes_]);
        }
    }
    return chunks_[chunk_].get() + used_;
}

std::uint8_t* PackedComponent::place(size_t length) {
    std::uint8_t* const at = room(length);
    used_ += length;
    return at;
}

void PackedComponent::packRow(int row, const CoefficientBlock* blocks) {
    RowPlace& place = rowPlaces_[static_cast<size_t>(row)];
    const bool again = place.bytes != nullptr;
    // A row packed for the first time goes straight into a chunk with room
    // for the largest row; one packed again (a progressive file's later
    // scan) is packed aside first, to see whether it fits its old place.
    std::uint8_t* const start = again ? scratch_.data() : room(scratch_.size());
    std::uint8_t* end = start;
    for (int i = 0; i < blocksPerRow_; ++i) {
        end = packBlock(blocks[i], end);
    }
    const auto length = static_cast<size_t>(end - start);
    if (!again) {
        used_ += length;
        place = RowPlace{start, length};
        live_ += length;
        return;
    }
    if (length <= place.length) {
        std::memcpy(place.bytes, start, length);
        dropped_ += place.length - length;
        live_ -= place.length - length;
        place.length = length;
        return;
    }
    dropped_ += place.length;
    live_ -= place.length;
    place = RowPlace{};
    if (dropped_ > live_ + chunkBytes_) {
        compact();
    }
    place.bytes = this->place(length);
    place.length = length;
    std::memcpy(place.bytes, start, length);
    live_ += length;
}

// Moves every packed row into fresh chunks, leaving out what was dropped.
void PackedComponent::compact() {
    std::vector<std::unique_ptr<std::uint8_t[]>> old;
    old.swap(chunks_);
    chunk_ = 0;
    used_ = 0;
    for (RowPlace& row : rowPlaces_) {
        if (row.bytes != nullptr) {
            std::uint8_t* const moved = place(row.length);
            std::memcpy(moved, row.bytes, row.length);
            row.bytes = moved;
        }
    }
    dropped_ = 0;
}

const std::uint8_t* PackedComponent::rowBytes(int row) const {
    return rowPlaces_[static_cast<size_t>(row)].bytes;
}

const std::uint8_t* PackedComponent::packedBlock(int row, int column) const {
    const std::uint8_t* at = rowBytes(row);
    if (at == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < column; ++i) {
        at += at[0];
    }
    return at;
}

bool PackedComponent::blockOffsets(int row, int first, int count, std::uint32_t* out) const {
    const std::uint8_t* const start = rowBytes(row);
    if (start == nullptr) {
        return false;
    }
    const std::uint8_t* at = packedBlock(row, first);
    for (int i = 0; i < count; ++i) {
        out[i] = static_cast<std::uint32_t>(at - start);
        at += at[0];
    }
    return true;
}

void PackedComponent::unpackRow(int row, int first, int count, CoefficientBlock* out) const {
    const std::uint8_t* at = packedBlock(row, first);
    if (at == nullptr) {
        std::memset(out, 0, sizeof(CoefficientBlock) * static_cast<size_t>(count));
        return;
    }
    for (int i = 0; i < count; ++i) {
        unpackBlock(at, out[i], BlockTurn::None);
        at += at[0];
    }
}

qsizetype PackedComponent::packedBytes() const {
    return static_cast<qsizetype>(live_);
}

}  // namespace imaging
