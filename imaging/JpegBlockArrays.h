#pragma once

// libjpeg's whole-picture coefficient arrays, kept packed in a
// CoefficientStore instead of libjpeg's memory, and the arrays a compressor
// reads one page from. Internal to imaging/.
//
// libjpeg reaches a coefficient array only through its memory manager's
// methods (request_virt_barray, realize_virt_arrays, access_virt_barray),
// a few block rows at a time. The classes here take those methods over
// for one decompressor or compressor (they find themselves through the
// object's client_data), so a picture's coefficients take a few times its
// file's size instead of 128 bytes a block, and a page is read straight
// from them without a copy of its own.
//
// Every method called by libjpeg catches what C++ throws and reports it
// through libjpeg's error exit, so no exception crosses libjpeg's frames.

#include "imaging/CoefficientStore.h"
#include "imaging/PackedBlocks.h"

#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace imaging::detail {

class StoredArray;
class PageArray;

// Decodes a file's rows on demand, for a page written while the file is
// read.
class RowSource {
public:
    virtual ~RowSource() = default;
    // Decodes until `iMcuRows` rows of MCUs are complete; false when the
    // file fails (its error is then the source's to report).
    virtual bool decodeThrough(int iMcuRows) = 0;
};

// The coefficient arrays of one decompressor, packed into a store.
class StoredBlockArrays {
public:
    explicit StoredBlockArrays(CoefficientStore& store);
    ~StoredBlockArrays();
    StoredBlockArrays(const StoredBlockArrays&) = delete;
    StoredBlockArrays& operator=(const StoredBlockArrays&) = delete;

    // Takes over `cinfo`'s coefficient arrays; call right after
    // jpeg_create_decompress. The store's components are emptied.
    void install(j_decompress_ptr cinfo);
    // Keeps only blocks first .. first + count - 1 of each row of
    // `component` (count 0: none) instead of whole rows; call before the
    // arrays are asked for. The packed component then starts at `first`.
    void keepColumns(int component, int first, int count);
    // Packs the rows libjpeg still holds unpacked; call once all input has
    // been read, before a page is made. False when memory ran out.
    bool finishReading() noexcept;

    // The packed component behind one of the arrays jpeg_read_coefficients
    // returned.
    static const PackedComponent& packedOf(jvirt_barray_ptr array);
    // The array of `component`, once libjpeg has asked for it.
    StoredArray* array(int component) const;

private:
    struct Columns {
        int first = 0;
        int count = -1;  // -1: whole rows
    };

    static jvirt_barray_ptr request(j_common_ptr cinfo, int pool, boolean preZero,
                                    JDIMENSION blocksPerRow, JDIMENSION rows, JDIMENSION maxAccess);
    static void realize(j_common_ptr cinfo);
    static JBLOCKARRAY access(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION start,
                              JDIMENSION count, boolean writable);

    CoefficientStore& store_;
    jpeg_memory_mgr library_{};  // libjpeg's own methods, for what is not taken over
    std::vector<std::unique_ptr<StoredArray>> arrays_;
    std::vector<Columns> kept_;
};

// What one component of a page takes from a packed picture. Positions and
// sizes are in blocks of that component, in the source's orientation: the
// page's blocks are columns left .. left + width - 1 and rows top .. top +
// height - 1 of the source, turned as `turn` says. A turned page needs the
// dimension that becomes its top or left edge whole (width for a left turn,
// height for a right one), which the caller has made sure of.
struct PageComponent {
    const PackedComponent* source = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    BlockTurn turn = BlockTurn::None;
    // The compressor's view: blocks a row and rows, padded to whole MCUs,
    // and how many rows it asks for at once.
    int blocksPerRow = 0;
    int rows = 0;
    int rowsPerAccess = 1;
    // For a page written while the file is read (never turned): its rows
    // are taken from the decompressor's window of `stream` as `feed`
    // decodes them, without being packed; `source` is then unused.
    // `sourceRowsPerMcu` is the component's rows of blocks in an MCU row.
    StoredArray* stream = nullptr;
    RowSource* feed = nullptr;
    int sourceRowsPerMcu = 1;
};

// The arrays one compressor writes a page from.
class PageBlockArrays {
public:
    PageBlockArrays();
    ~PageBlockArrays();
    PageBlockArrays(const PageBlockArrays&) = delete;
    PageBlockArrays& operator=(const PageBlockArrays&) = delete;

    // Adds the next component; may throw std::bad_alloc.
    void add(const PageComponent& component);
    // Makes `cinfo` read these arrays; call right after jpeg_create_compress.
    void install(j_compress_ptr cinfo);
    // The arrays for jpeg_write_coefficients, one per component added.
    jvirt_barray_ptr* arrays() { return handles_.data(); }

private:
    static JBLOCKARRAY access(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION start,
                              JDIMENSION count, boolean writable);

    std::vector<std::unique_ptr<PageArray>> pages_;
    std::vector<jvirt_barray_ptr> handles_;
};

}  // namespace imaging::detail
