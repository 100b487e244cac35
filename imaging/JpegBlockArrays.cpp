#include "imaging/JpegBlockArrays.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include <jerror.h>

namespace imaging::detail {

static_assert(std::is_same_v<JCOEF, std::int16_t>, "libjpeg's coefficients are 16-bit");

namespace {

// libjpeg's error exit for a method that could not do its work. Called
// after every C++ object of the method has ended, as it never returns.
[[noreturn]] void failInLibjpeg(j_common_ptr cinfo, int code) {
    cinfo->err->msg_code = code;
    (*cinfo->err->error_exit)(cinfo);
    std::abort();  // error_exit never returns
}

// `count` rows of `blocksPerRow` blocks, and libjpeg's row pointers to them.
class BlockWindow {
public:
    BlockWindow(int blocksPerRow, int count)
        : blocks_(std::make_unique<JBLOCK[]>(static_cast<size_t>(blocksPerRow) *
                                             static_cast<size_t>(count))),
          rows_(static_cast<size_t>(count)) {
        for (int i = 0; i < count; ++i) {
            rows_[static_cast<size_t>(i)] =
                blocks_.get() + static_cast<size_t>(i) * static_cast<size_t>(blocksPerRow);
        }
    }

    JBLOCKROW row(int i) const { return rows_[static_cast<size_t>(i)]; }
    JBLOCKARRAY rows(int from = 0) { return rows_.data() + from; }

private:
    std::unique_ptr<JBLOCK[]> blocks_;
    std::vector<JBLOCKROW> rows_;
};

void zeroBlocks(JBLOCKROW blocks, int count) {
    if (count > 0) {
        std::memset(blocks, 0, sizeof(JBLOCK) * static_cast<size_t>(count));
    }
}

}  // namespace

// One component's whole-picture array: a window of the rows libjpeg works
// on, unpacked, over the packed rows in the store. Rows leave the window
// packed when libjpeg moves on (or at finishReading) if it may have
// written them.
class StoredArray {
public:
    // Keeps blocks keptFirst .. keptFirst + keptCount - 1 of each row.
    StoredArray(PackedComponent& packed, int blocksPerRow, int rows, int maxAccess, int keptFirst,
                int keptCount)
        : packed_(packed),
          blocksPerRow_(blocksPerRow),
          rows_(rows),
          maxAccess_(maxAccess),
          keptFirst_(keptFirst),
          keptCount_(keptCount) {
        packed_.reset(keptCount, rows);
    }

    void realize() {
        if (!window_) {
            window_ = std::make_unique<BlockWindow>(blocksPerRow_, maxAccess_);
        }
    }

    // nullptr for rows outside the array or more than it was asked for.
    JBLOCKARRAY access(int start, int count, bool writable) {
        if (!window_ || count < 1 || count > maxAccess_ || start < 0 || start > rows_ - count) {
            return nullptr;
        }
        if (start >= first_ && start + count <= first_ + loaded_) {
            dirty_ = dirty_ || writable;
            return window_->rows(start - first_);
        }
        flush();
        for (int i = 0; i < count; ++i) {
            packed_.unpackRow(start + i, 0, blocksPerRow_, window_->row(i));
        }
        first_ = start;
        loaded_ = count;
        dirty_ = writable;
        return window_->rows();
    }

    void flush() {
        if (dirty_ && keptCount_ > 0) {
            for (int i = 0; i < loaded_; ++i) {
                packed_.packRow(first_ + i, window_->row(i) + keptFirst_);
            }
        }
        dirty_ = false;
    }

    // The rows as libjpeg left them in the window, or nullptr when the
    // window holds others.
    JBLOCKARRAY windowRows(int start, int count) {
        if (!window_ || start < first_ || start + count > first_ + loaded_) {
            return nullptr;
        }
        return window_->rows(start - first_);
    }

    const PackedComponent& packed() const { return packed_; }

private:
    PackedComponent& packed_;
    const int blocksPerRow_;
    const int rows_;
    const int maxAccess_;
    const int keptFirst_;
    const int keptCount_;
    std::unique_ptr<BlockWindow> window_;
    int first_ = 0;
    int loaded_ = 0;
    bool dirty_ = false;
};

StoredBlockArrays::StoredBlockArrays(CoefficientStore& store) : store_(store) {}

StoredBlockArrays::~StoredBlockArrays() = default;

void StoredBlockArrays::keepColumns(int component, int first, int count) {
    if (static_cast<int>(kept_.size()) <= component) {
        kept_.resize(static_cast<size_t>(component) + 1);
    }
    kept_[static_cast<size_t>(component)] = Columns{first, count};
}

StoredArray* StoredBlockArrays::array(int component) const {
    return component < static_cast<int>(arrays_.size())
               ? arrays_[static_cast<size_t>(component)].get()
               : nullptr;
}

void StoredBlockArrays::install(j_decompress_ptr cinfo) {
    for (int i = 0; i < CoefficientStore::kMaxComponents; ++i) {
        store_.component(i).reset(0, 0);
    }
    library_ = *cinfo->mem;
    cinfo->client_data = this;
    cinfo->mem->request_virt_barray = request;
    cinfo->mem->realize_virt_arrays = realize;
    cinfo->mem->access_virt_barray = access;
}

bool StoredBlockArrays::finishReading() noexcept {
    try {
        for (const auto& array : arrays_) {
            array->flush();
        }
        return true;
    } catch (...) {
        return false;
    }
}

const PackedComponent& StoredBlockArrays::packedOf(jvirt_barray_ptr array) {
    return reinterpret_cast<const StoredArray*>(array)->packed();
}

jvirt_barray_ptr StoredBlockArrays::request(j_common_ptr cinfo, int /*pool*/, boolean /*preZero*/,
                                            JDIMENSION blocksPerRow, JDIMENSION rows,
                                            JDIMENSION maxAccess) {
    auto* self = static_cast<StoredBlockArrays*>(cinfo->client_data);
    StoredArray* array = nullptr;
    const auto index = static_cast<int>(self->arrays_.size());
    if (index < CoefficientStore::kMaxComponents) {
        const Columns kept = index < static_cast<int>(self->kept_.size())
                                 ? self->kept_[static_cast<size_t>(index)]
                                 : Columns{};
        const int first = kept.count < 0 ? 0 : kept.first;
        const int count = kept.count < 0 ? static_cast<int>(blocksPerRow) : kept.count;
        try {
            self->arrays_.push_back(std::make_unique<StoredArray>(
                self->store_.component(index), static_cast<int>(blocksPerRow),
                static_cast<int>(rows), static_cast<int>(maxAccess), first, count));
            array = self->arrays_.back().get();
        } catch (...) {
            array = nullptr;
        }
    }
    if (array == nullptr) {
        failInLibjpeg(cinfo, JERR_OUT_OF_MEMORY);
    }
    return reinterpret_cast<jvirt_barray_ptr>(array);
}

void StoredBlockArrays::realize(j_common_ptr cinfo) {
    auto* self = static_cast<StoredBlockArrays*>(cinfo->client_data);
    (*self->library_.realize_virt_arrays)(cinfo);
    bool realized = true;
    try {
        for (const auto& array : self->arrays_) {
            array->realize();
        }
    } catch (...) {
        realized = false;
    }
    if (!realized) {
        failInLibjpeg(cinfo, JERR_OUT_OF_MEMORY);
    }
}

JBLOCKARRAY StoredBlockArrays::access(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION start,
                                      JDIMENSION count, boolean writable) {
    JBLOCKARRAY rows = nullptr;
    int failure = 0;
    try {
        rows = reinterpret_cast<StoredArray*>(array)->access(
            static_cast<int>(start), static_cast<int>(count), writable != FALSE);
        failure = rows == nullptr ? JERR_BAD_VIRTUAL_ACCESS : 0;
    } catch (...) {
        failure = JERR_OUT_OF_MEMORY;
    }
    if (failure != 0) {
        failInLibjpeg(cinfo, failure);
    }
    return rows;
}

// One component of a page: rows of the page's blocks gathered from the
// packed source into a window, turned when the page is.
class PageArray {
public:
    explicit PageArray(const PageComponent& component)
        : page_(component),
          window_(component.stream != nullptr ? 0 : component.blocksPerRow,
                  component.stream != nullptr ? 0 : component.rowsPerAccess),
          streamRows_(static_cast<size_t>(component.rowsPerAccess)) {
        if (page_.turn != BlockTurn::None) {
            // A turned row takes one block from every source row: where
            // each block starts is looked up once.
            offsets_.resize(static_cast<size_t>(page_.width) * static_cast<size_t>(page_.height));
            rowStarts_.resize(static_cast<size_t>(page_.height));
            for (int r = 0; r < page_.height; ++r) {
                const int row = page_.top + r;
                const bool packed = row < page_.source->rows() &&
                                    page_.source->blockOffsets(
                                        row, page_.left, page_.width,
                                        offsets_.data() + static_cast<size_t>(r) * page_.width);
                rowStarts_[static_cast<size_t>(r)] = packed ? page_.source->rowBytes(row) : nullptr;
            }
        }
    }

    JBLOCKARRAY access(int start, int count) {
        if (count < 1 || count > page_.rowsPerAccess || start < 0 || start > page_.rows - count) {
            return nullptr;
        }
        if (page_.stream != nullptr) {
            return streamed(start, count);
        }
        if (page_.turn == BlockTurn::None) {
            fillCut(start, count);
        } else {
            fillTurned(start, count);
        }
        return window_.rows();
    }

private:
    // The rows straight from the decompressor's window, decoded first when
    // they have not been. The page's rows of MCUs are the file's, as its
    // top edge lies on the grid.
    JBLOCKARRAY streamed(int start, int count) {
        const int first = page_.top + start;
        const int mcuRows = (first + count + page_.sourceRowsPerMcu - 1) / page_.sourceRowsPerMcu;
        if (!page_.feed->decodeThrough(mcuRows)) {
            return nullptr;
        }
        const JBLOCKARRAY rows = page_.stream->windowRows(first, count);
        if (rows == nullptr) {
            return nullptr;
        }
        for (int i = 0; i < count; ++i) {
            streamRows_[static_cast<size_t>(i)] = rows[i] + page_.left;
        }
        return streamRows_.data();
    }

    void fillCut(int start, int count) {
        const PackedComponent& source = *page_.source;
        const int taken = std::clamp(source.blocksPerRow() - page_.left, 0, page_.blocksPerRow);
        for (int i = 0; i < count; ++i) {
            const int row = page_.top + start + i;
            JBLOCKROW out = window_.row(i);
            if (row < source.rows()) {
                source.unpackRow(row, page_.left, taken, out);
                zeroBlocks(out + taken, page_.blocksPerRow - taken);
            } else {
                zeroBlocks(out, page_.blocksPerRow);
            }
        }
    }

    // Output block (r, c) is source block (column r, row height - 1 - c)
    // for a right turn and (column width - 1 - r, row c) for a left one.
    // Walks the source row by row, so each source row is read once.
    void fillTurned(int start, int count) {
        const bool right = page_.turn == BlockTurn::Right;
        for (int c = 0; c < page_.height; ++c) {
            const int sourceRow = right ? page_.height - 1 - c : c;
            const std::uint8_t* const bytes = rowStarts_[static_cast<size_t>(sourceRow)];
            const std::uint32_t* const offsets =
                offsets_.data() + static_cast<size_t>(sourceRow) * page_.width;
            for (int i = 0; i < count; ++i) {
                const int r = start + i;
                JBLOCK& out = window_.row(i)[c];
                if (bytes == nullptr || r >= page_.width) {
                    std::memset(out, 0, sizeof out);
                    continue;
                }
                const int sourceColumn = right ? r : page_.width - 1 - r;
                unpackBlock(bytes + offsets[sourceColumn], out, page_.turn);
            }
        }
        for (int i = 0; i < count; ++i) {
            zeroBlocks(window_.row(i) + page_.height, page_.blocksPerRow - page_.height);
        }
    }

    const PageComponent page_;
    BlockWindow window_;
    std::vector<JBLOCKROW> streamRows_;
    std::vector<std::uint32_t> offsets_;
    std::vector<const std::uint8_t*> rowStarts_;
};

PageBlockArrays::PageBlockArrays() = default;

PageBlockArrays::~PageBlockArrays() = default;

void PageBlockArrays::add(const PageComponent& component) {
    pages_.push_back(std::make_unique<PageArray>(component));
    handles_.push_back(reinterpret_cast<jvirt_barray_ptr>(pages_.back().get()));
}

void PageBlockArrays::install(j_compress_ptr cinfo) {
    cinfo->client_data = this;
    cinfo->mem->access_virt_barray = access;
}

JBLOCKARRAY PageBlockArrays::access(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION start,
                                    JDIMENSION count, boolean /*writable*/) {
    JBLOCKARRAY rows = nullptr;
    try {
        rows = reinterpret_cast<PageArray*>(array)->access(static_cast<int>(start),
                                                           static_cast<int>(count));
    } catch (...) {
        rows = nullptr;
    }
    if (rows == nullptr) {
        failInLibjpeg(cinfo, JERR_BAD_VIRTUAL_ACCESS);
    }
    return rows;
}

}  // namespace imaging::detail
