#include "imaging/PackedBlocks.h"

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
    std::uint64_t mask = 0;
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < 4; ++i) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i + 8));
        const __m128i zeros =
            _mm_packs_epi16(_mm_cmpeq_epi16(low, zero), _mm_cmpeq_epi16(high, zero));
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
        const int value = block[index];
        if (value >= -8 && value <= 7) {
            *at++ = static_cast<std::uint8_t>((zeros << 4) | (value & 15));
        } else {
            *at++ = static_cast<std::uint8_t>(zeros << 4);
            putWide(at, static_cast<std::int16_t>(value));
        }
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
        const int value = code == 0 ? takeWide(at) : (code < 8 ? code : code - 16);
        put(index, value);
    }
}

std::int16_t dcOf(const std::uint8_t* packed) {
    const std::uint8_t* at = packed + 1;
    return takeWide(at);
}

}  // namespace

void unpackBlock(const std::uint8_t* packed, CoefficientBlock& out, BlockTurn turn) {
    std::memset(out, 0, sizeof out);
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
    if (static_cast<int>(packed_.size()) < rows) {
        packed_.resize(static_cast<size_t>(rows));
    }
    written_.assign(static_cast<size_t>(rows), false);
    scratch_.resize(static_cast<size_t>(blocksPerRow) * kLargestBlock);
}

void PackedComponent::packRow(int row, const CoefficientBlock* blocks) {
    std::uint8_t* at = scratch_.data();
    for (int i = 0; i < blocksPerRow_; ++i) {
        at = packBlock(blocks[i], at);
    }
    packed_[static_cast<size_t>(row)].assign(scratch_.data(), at);
    written_[static_cast<size_t>(row)] = true;
}

const std::uint8_t* PackedComponent::rowBytes(int row) const {
    return written_[static_cast<size_t>(row)] ? packed_[static_cast<size_t>(row)].data() : nullptr;
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
    qsizetype bytes = 0;
    for (int row = 0; row < rows_; ++row) {
        if (written_[static_cast<size_t>(row)]) {
            bytes += static_cast<qsizetype>(packed_[static_cast<size_t>(row)].size());
        }
    }
    return bytes;
}

}  // namespace imaging
