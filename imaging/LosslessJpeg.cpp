#include "imaging/LosslessJpeg.h"

#include "imaging/ImagingErrors.h"
#include "imaging/JpegBlockArrays.h"
#include "imaging/JpegDestination.h"
#include "imaging/JpegErrorManager.h"
#include "imaging/RegularFile.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <utility>

#include <jerror.h>

// Lossless pages through libjpeg's transcoding interface
// (jpeg_read_coefficients, jpeg_write_coefficients), with the coefficient
// arrays kept packed (JpegBlockArrays). As in the decoder, every function
// that calls libjpeg keeps only plain locals, because libjpeg's error exit
// longjmps back into it; C++ objects live in the Reader or in the caller's
// frame.

namespace imaging {

struct LosslessJpeg::Reader {
    explicit Reader(CoefficientStore& store) : arrays(store) {}
    ~Reader() {
        if (created) {
            jpeg_destroy_decompress(&cinfo);
        }
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    jpeg_decompress_struct cinfo{};
    detail::JpegErrorManager errors{};
    jpeg_progress_mgr monitor{};
    detail::StoredBlockArrays arrays;
    bool created = false;
    JpegBlockLayout layout;
    QImage picture;
    jvirt_barray_ptr* coefficients = nullptr;
    std::optional<core::Error> error;
};

namespace {

using Reader = LosslessJpeg::Reader;

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

int roundUp(int a, int b) {
    return ceilDiv(a, b) * b;
}

bool blocksKept(j_decompress_ptr cinfo) {
    switch (cinfo->jpeg_color_space) {
        case JCS_GRAYSCALE:
            return cinfo->num_components == 1;
        case JCS_YCbCr:
        case JCS_RGB:
            return cinfo->num_components == 3;
        default:
            return false;
    }
}

// The sampling a page is cut by: a one-component file's blocks are 8 x 8
// pixels whatever factors it declares (its scan has one block an MCU), and
// its pages are written with factors 1 x 1.
struct Sampling {
    int h = 1;
    int v = 1;
    int maxH = 1;
    int maxV = 1;
};

Sampling samplingOf(const jpeg_decompress_struct& cinfo, int component) {
    if (cinfo.num_components == 1) {
        return Sampling{};
    }
    const jpeg_component_info& info = cinfo.comp_info[component];
    return Sampling{info.h_samp_factor, info.v_samp_factor, cinfo.max_h_samp_factor,
                    cinfo.max_v_samp_factor};
}

JpegBlockLayout layoutOf(j_decompress_ptr cinfo) {
    const Sampling sampling = samplingOf(*cinfo, 0);
    JpegBlockLayout layout;
    layout.size =
        QSize(static_cast<int>(cinfo->image_width), static_cast<int>(cinfo->image_height));
    layout.grid = QSize(DCTSIZE * sampling.maxH, DCTSIZE * sampling.maxV);
    layout.blocksKept = blocksKept(cinfo);
    return layout;
}

void saveMarkers(j_decompress_ptr cinfo) {
    jpeg_save_markers(cinfo, JPEG_COM, 0xffff);
    for (int i = 0; i < 16; ++i) {
        jpeg_save_markers(cinfo, JPEG_APP0 + i, 0xffff);
    }
}

// The checks of the header, as the decoder makes them; false with the error
// set.
bool acceptHeader(Reader* reader, qint64 byteCount) {
    j_decompress_ptr cinfo = &reader->cinfo;
    const core::Status allowed = checkPictureSize(cinfo->image_width, cinfo->image_height);
    if (!allowed) {
        reader->error = allowed.error();
        return false;
    }
    if (!detail::dataCanHoldPicture(cinfo, byteCount)) {
        reader->error = errors::jpegCutOff();
        return false;
    }
    reader->layout = layoutOf(cinfo);
    if (!reader->layout.blocksKept) {
        reader->error = errors::unsupportedJpeg();
        return false;
    }
    return true;
}

bool allocatePicture(Reader* reader, PixelBuffer* pixels) {
    reader->picture = pixels->picture(static_cast<int>(reader->cinfo.output_width),
                                      static_cast<int>(reader->cinfo.output_height));
    if (reader->picture.isNull()) {
        reader->error = core::outOfMemory();
        return false;
    }
    return true;
}

void failRead(Reader* reader) {
    if (!reader->error) {
        reader->error = detail::decodeError(reader->errors);
    }
    jpeg_destroy_decompress(&reader->cinfo);
    reader->created = false;
    reader->picture = QImage();
}

// Whether the file's rows come complete one after the other: a single scan
// holding every component (not progressive, not one scan a component).
bool rowsComeInOrder(const jpeg_decompress_struct& cinfo) {
    return !cinfo.progressive_mode && cinfo.comps_in_scan == cinfo.num_components;
}

// The picture decoded from the coefficient arrays as they fill, then the
// arrays for the pages: libjpeg's buffered-image mode, so the Huffman data
// is decoded once for both. A file whose rows come in order is decoded row
// by row as it is read, while each row is still in the arrays' window; one
// with several scans is read whole first, as only the last scan completes
// its rows.
bool decodeWhileReading(Reader* reader, PixelBuffer* pixels) {
    j_decompress_ptr cinfo = &reader->cinfo;
    cinfo->buffered_image = TRUE;
    cinfo->out_color_space = JCS_RGB;
    jpeg_start_decompress(cinfo);
    if (!rowsComeInOrder(*cinfo)) {
        int status = JPEG_SUSPENDED;
        do {
            status = jpeg_consume_input(cinfo);
            if (cinfo->input_scan_number > detail::kMaxProgressiveScans) {
                ERREXIT(cinfo, JERR_BAD_PROGRESSION);
            }
        } while (status != JPEG_REACHED_EOI && status != JPEG_SUSPENDED);
        if (status == JPEG_SUSPENDED) {
            return false;
        }
    }
    if (!allocatePicture(reader, pixels)) {
        return false;
    }
    jpeg_start_output(cinfo, cinfo->input_scan_number);
    uchar* const bits = reader->picture.bits();
    const qsizetype bytesPerLine = reader->picture.bytesPerLine();
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = bits + bytesPerLine * cinfo->output_scanline;
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1) {
            return false;
        }
    }
    jpeg_finish_output(cinfo);  // reads on to the end of the file
    reader->coefficients = jpeg_read_coefficients(cinfo);
    return true;
}

// Opens `bytes` for pages written while it is read: the header read and
// checked, the decompressor not yet started (see beginRows).
bool openRows(Reader* reader, const QByteArray& bytes) {
    j_decompress_ptr cinfo = &reader->cinfo;
    cinfo->err = detail::installErrorManager(reader->errors);
    if (setjmp(reader->errors.jump)) {
        failRead(reader);
        return false;
    }
    jpeg_create_decompress(cinfo);
    reader->created = true;
    reader->arrays.install(cinfo);
    detail::installScanLimit(cinfo, reader->monitor);
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    saveMarkers(cinfo);
    jpeg_read_header(cinfo, TRUE);
    if (!acceptHeader(reader, bytes.size())) {
        failRead(reader);
        return false;
    }
    return true;
}

// Reads the coefficients of `bytes`, and with `pixels` decodes it too.
bool runRead(Reader* reader, const QByteArray& bytes, PixelBuffer* pixels) {
    if (!openRows(reader, bytes))
        return false;
    j_decompress_ptr cinfo = &reader->cinfo;
    // The jump set by openRows went with its frame.
    if (setjmp(reader->errors.jump)) {
        failRead(reader);
        return false;
    }
    if (pixels == nullptr) {
        reader->coefficients = jpeg_read_coefficients(cinfo);
    } else if (!decodeWhileReading(reader, pixels)) {
        failRead(reader);
        return false;
    }
    if (reader->coefficients == nullptr || reader->errors.dataLossWarning != 0) {
        failRead(reader);
        return false;
    }
    if (!reader->arrays.finishReading()) {
        reader->error = core::outOfMemory();
        failRead(reader);
        return false;
    }
    return true;
}

// Starts the decompressor in buffered-image mode, where jpeg_consume_input
// decodes one row of MCUs at a time into the coefficient arrays.
bool beginRows(Reader* reader) {
    if (setjmp(reader->errors.jump)) {
        failRead(reader);
        return false;
    }
    reader->cinfo.buffered_image = TRUE;
    jpeg_start_decompress(&reader->cinfo);
    return true;
}

// Decodes until `mcuRows` rows of MCUs are complete; false with the error
// set when the file fails (the decompressor is then only destroyed).
bool feedRows(Reader* reader, int mcuRows) {
    if (reader->error) {
        return false;
    }
    j_decompress_ptr cinfo = &reader->cinfo;
    if (setjmp(reader->errors.jump)) {
        reader->error = detail::decodeError(reader->errors);
        return false;
    }
    while (static_cast<int>(cinfo->input_iMCU_row) < mcuRows) {
        const int status = jpeg_consume_input(cinfo);
        if (status == JPEG_SUSPENDED || status == JPEG_REACHED_EOI) {
            break;
        }
    }
    if (reader->errors.dataLossWarning != 0) {
        reader->error = detail::decodeError(reader->errors);
        return false;
    }
    return static_cast<int>(cinfo->input_iMCU_row) >= mcuRows;
}

// Reads the rest of the file, so a damaged tail is refused as by a full
// read, and packs the blocks kept.
bool finishRows(Reader* reader) {
    if (reader->error) {
        return false;
    }
    j_decompress_ptr cinfo = &reader->cinfo;
    if (setjmp(reader->errors.jump)) {
        reader->error = detail::decodeError(reader->errors);
        return false;
    }
    int status = JPEG_SUSPENDED;
    do {
        status = jpeg_consume_input(cinfo);
    } while (status != JPEG_REACHED_EOI && status != JPEG_SUSPENDED);
    if (status == JPEG_SUSPENDED || reader->errors.dataLossWarning != 0) {
        reader->error = detail::decodeError(reader->errors);
        return false;
    }
    if (!reader->arrays.finishReading()) {
        reader->error = core::outOfMemory();
        return false;
    }
    return true;
}

class RowFeed final : public detail::RowSource {
public:
    explicit RowFeed(Reader& reader) : reader_(reader) {}
    bool decodeThrough(int mcuRows) override { return feedRows(&reader_, mcuRows); }

private:
    Reader& reader_;
};

bool runHeaderRead(const QByteArray* bytes, std::FILE* file, JpegBlockLayout* layout,
                   std::optional<core::Error>* error) {
    jpeg_decompress_struct cinfo;
    detail::JpegErrorManager errors;
    cinfo.err = detail::installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        *error = detail::decodeError(errors);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    if (bytes != nullptr) {
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes->constData()),
                     static_cast<unsigned long>(bytes->size()));
    } else {
        jpeg_stdio_src(&cinfo, file);
    }
    jpeg_read_header(&cinfo, TRUE);
    const core::Status allowed = checkPictureSize(cinfo.image_width, cinfo.image_height);
    if (!allowed) {
        *error = allowed.error();
    } else {
        *layout = layoutOf(&cinfo);
    }
    jpeg_destroy_decompress(&cinfo);
    return allowed.ok();
}

bool onGrid(const PixelRect& page, QuarterTurn turn, const JpegBlockLayout& layout) {
    const int gridWidth = layout.grid.width();
    const int gridHeight = layout.grid.height();
    const bool inside = page.left >= 0 && page.top >= 0 && page.right <= layout.size.width() &&
                        page.bottom <= layout.size.height() && page.width() > 0 &&
                        page.height() > 0;
    const bool aligned = page.left % gridWidth == 0 && page.top % gridHeight == 0;
    const bool whole = (turn != QuarterTurn::Left || page.width() % gridWidth == 0) &&
                       (turn != QuarterTurn::Right || page.height() % gridHeight == 0);
    return inside && aligned && whole;
}

BlockTurn blockTurn(QuarterTurn turn) {
    switch (turn) {
        case QuarterTurn::Left:
            return BlockTurn::Left;
        case QuarterTurn::Right:
            return BlockTurn::Right;
        case QuarterTurn::None:
            break;
    }
    return BlockTurn::None;
}

// What component `ci` of the page takes from the file's blocks, and the
// array the compressor sees for it (dimensions as libjpeg derives them from
// the page's size and sampling, padded to whole MCUs). Where the blocks
// come from is the caller's to set.
detail::PageComponent pageComponent(const jpeg_decompress_struct& cinfo, int ci,
                                    const PixelRect& page, QuarterTurn turn) {
    const Sampling s = samplingOf(cinfo, ci);
    detail::PageComponent component;
    component.left = page.left * s.h / (DCTSIZE * s.maxH);
    component.top = page.top * s.v / (DCTSIZE * s.maxV);
    component.width = ceilDiv(page.width() * s.h, DCTSIZE * s.maxH);
    component.height = ceilDiv(page.height() * s.v, DCTSIZE * s.maxV);
    component.turn = blockTurn(turn);
    const bool turned = turn != QuarterTurn::None;
    const int outH = turned ? s.v : s.h;
    const int outV = turned ? s.h : s.v;
    component.blocksPerRow = roundUp(turned ? component.height : component.width, outH);
    component.rows = roundUp(turned ? component.width : component.height, outV);
    component.rowsPerAccess = outV;
    return component;
}

// The page from the file's packed coefficients.
void addComponents(const Reader& reader, const PixelRect& page, QuarterTurn turn,
                   detail::PageBlockArrays& arrays) {
    for (int ci = 0; ci < reader.cinfo.num_components; ++ci) {
        detail::PageComponent component = pageComponent(reader.cinfo, ci, page, turn);
        component.source = &detail::StoredBlockArrays::packedOf(reader.coefficients[ci]);
        arrays.add(component);
    }
}

// The page's size and, for a turn, everything the turn swaps: sampling
// factors, the quantisation tables (coefficient (v, u) moves to (u, v)) and
// the pixel density.
void shapePage(j_compress_ptr cinfo, const PixelRect& page, QuarterTurn turn) {
    const bool turned = turn != QuarterTurn::None;
    cinfo->image_width = static_cast<JDIMENSION>(turned ? page.height() : page.width());
    cinfo->image_height = static_cast<JDIMENSION>(turned ? page.width() : page.height());
    if (cinfo->num_components == 1) {
        cinfo->comp_info[0].h_samp_factor = 1;
        cinfo->comp_info[0].v_samp_factor = 1;
    }
    if (!turned) {
        return;
    }
    for (int ci = 0; ci < cinfo->num_components; ++ci) {
        jpeg_component_info& component = cinfo->comp_info[ci];
        std::swap(component.h_samp_factor, component.v_samp_factor);
    }
    for (JQUANT_TBL* table : cinfo->quant_tbl_ptrs) {
        if (table == nullptr) {
            continue;
        }
        for (int v = 0; v < DCTSIZE; ++v) {
            for (int u = v + 1; u < DCTSIZE; ++u) {
                std::swap(table->quantval[v * DCTSIZE + u], table->quantval[u * DCTSIZE + v]);
            }
        }
    }
    std::swap(cinfo->X_density, cinfo->Y_density);
}

bool startsWith(const jpeg_marker_struct& marker, const char* text, unsigned length) {
    return marker.data_length >= length && std::memcmp(marker.data, text, length) == 0;
}

// Every saved marker of the file, except a JFIF or Adobe segment that
// libjpeg writes itself for the page.
void copyMarkers(jpeg_saved_marker_ptr marker, j_compress_ptr cinfo) {
    for (; marker != nullptr; marker = marker->next) {
        if (cinfo->write_JFIF_header && marker->marker == JPEG_APP0 &&
            startsWith(*marker, "JFIF", 5)) {
            continue;
        }
        if (cinfo->write_Adobe_marker && marker->marker == JPEG_APP0 + 14 &&
            startsWith(*marker, "Adobe", 5)) {
            continue;
        }
        jpeg_write_marker(cinfo, marker->marker, marker->data, marker->data_length);
    }
}

bool runWrite(const Reader& reader, const PixelRect& page, QuarterTurn turn,
              detail::PageBlockArrays& arrays, QByteArray& into, core::Error* error) {
    jpeg_compress_struct cinfo;
    detail::JpegErrorManager errors;
    detail::DirectDestination destination;
    cinfo.err = detail::installErrorManager(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        *error =
            errors.errorCode == JERR_OUT_OF_MEMORY ? core::outOfMemory() : errors::jpegNotWritten();
        return false;
    }
    jpeg_create_compress(&cinfo);
    arrays.install(&cinfo);
    detail::installDestination(&cinfo, destination, into);
    // libjpeg only reads the source object here.
    jpeg_copy_critical_parameters(const_cast<j_decompress_ptr>(&reader.cinfo), &cinfo);
    shapePage(&cinfo, page, turn);
    jpeg_write_coefficients(&cinfo, arrays.arrays());
    copyMarkers(reader.cinfo.marker_list, &cinfo);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (destination.outOfMemory) {
        *error = core::outOfMemory();
        return false;
    }
    return true;
}

// In which order pages cut from one file are written while it is read:
// those written as its rows come in, in the order of their top edges, then
// the one whose blocks are kept meanwhile (pages side by side share their
// rows, so one of them, the smaller, waits). nullopt for more pages than
// that plan knows.
struct RowPlan {
    std::vector<size_t> streamed;
    std::optional<size_t> kept;
};

std::optional<RowPlan> rowPlanFor(const std::vector<PixelRect>& pages) {
    if (pages.size() == 1) {
        return RowPlan{{0}, std::nullopt};
    }
    if (pages.size() != 2) {
        return std::nullopt;
    }
    const PixelRect& a = pages[0];
    const PixelRect& b = pages[1];
    if (a.bottom <= b.top || b.bottom <= a.top) {
        return a.top <= b.top ? RowPlan{{0, 1}, std::nullopt} : RowPlan{{1, 0}, std::nullopt};
    }
    const qint64 areaA = static_cast<qint64>(a.width()) * a.height();
    const qint64 areaB = static_cast<qint64>(b.width()) * b.height();
    return areaB <= areaA ? RowPlan{{0}, 1} : RowPlan{{1}, 0};
}

}  // namespace

core::Expected<JpegBlockLayout> readJpegBlockLayout(const QByteArray& jpeg) {
    if (jpeg.isEmpty()) {
        return errors::fileEmpty();
    }
    JpegBlockLayout layout;
    std::optional<core::Error> error;
    if (!runHeaderRead(&jpeg, nullptr, &layout, &error)) {
        return *error;
    }
    return layout;
}

core::Expected<JpegBlockLayout> readJpegBlockLayout(const QString& path) {
    auto opened = RegularFile::open(path);
    if (!opened) {
        return opened.error();
    }
    if (opened->size() == 0) {
        return errors::fileEmpty();
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::move(opened).value().releaseAsStream(), &std::fclose);
    if (!file) {
        return errors::cannotOpen();
    }
    JpegBlockLayout layout;
    std::optional<core::Error> error;
    if (!runHeaderRead(nullptr, file.get(), &layout, &error)) {
        return *error;
    }
    return layout;
}

LosslessJpeg::LosslessJpeg(std::unique_ptr<Reader> reader) : reader_(std::move(reader)) {}

LosslessJpeg::LosslessJpeg(LosslessJpeg&&) noexcept = default;

LosslessJpeg& LosslessJpeg::operator=(LosslessJpeg&&) noexcept = default;

LosslessJpeg::~LosslessJpeg() = default;

core::Expected<LosslessJpeg> LosslessJpeg::read(const QByteArray& jpeg, CoefficientStore& store,
                                                PixelBuffer* pixels) {
    if (jpeg.isEmpty()) {
        return errors::fileEmpty();
    }
    std::unique_ptr<Reader> reader(new (std::nothrow) Reader(store));
    if (!reader) {
        return core::outOfMemory();
    }
    if (!runRead(reader.get(), jpeg, pixels)) {
        return *reader->error;
    }
    return LosslessJpeg(std::move(reader));
}

const JpegBlockLayout& LosslessJpeg::layout() const {
    return reader_->layout;
}

const QImage& LosslessJpeg::picture() const {
    return reader_->picture;
}

core::Status LosslessJpeg::writePage(const PixelRect& page, QuarterTurn turn,
                                     QByteArray& into) const {
    into.resize(0);  // keeps the memory, unlike clear()
    if (!onGrid(page, turn, reader_->layout)) {
        return core::unexpectedError();
    }
    detail::PageBlockArrays arrays;
    try {
        addComponents(*reader_, page, turn, arrays);
    } catch (const std::bad_alloc&) {
        return core::outOfMemory();
    }
    core::Error error;
    if (!runWrite(*reader_, page, turn, arrays, into, &error)) {
        into.resize(0);
        return error;
    }
    return core::success();
}

core::Expected<std::vector<QByteArray>> LosslessJpeg::writeCutPages(
    const QByteArray& jpeg, CoefficientStore& store, const std::vector<PixelRect>& pages,
    QByteArray& encoded) {
    if (jpeg.isEmpty()) {
        return errors::fileEmpty();
    }
    std::unique_ptr<Reader> reader(new (std::nothrow) Reader(store));
    if (!reader) {
        return core::outOfMemory();
    }
    if (!openRows(reader.get(), jpeg)) {
        return *reader->error;
    }
    for (const PixelRect& page : pages) {
        if (!onGrid(page, QuarterTurn::None, reader->layout)) {
            return core::unexpectedError();
        }
    }
    std::vector<QByteArray> files(pages.size());
    const auto plan = rowPlanFor(pages);
    if (!plan || !rowsComeInOrder(reader->cinfo)) {
        // Rows complete only with the last scan: read the whole file first.
        reader.reset();
        const auto whole = read(jpeg, store);
        if (!whole) {
            return whole.error();
        }
        for (size_t i = 0; i < pages.size(); ++i) {
            if (const core::Status written = whole->writePage(pages[i], QuarterTurn::None, encoded);
                !written) {
                return written.error();
            }
            files[i] = QByteArray(encoded.constData(), encoded.size());
        }
        return files;
    }

    const jpeg_decompress_struct& cinfo = reader->cinfo;
    for (int ci = 0; ci < cinfo.num_components; ++ci) {
        if (plan->kept) {
            const detail::PageComponent kept =
                pageComponent(cinfo, ci, pages[*plan->kept], QuarterTurn::None);
            reader->arrays.keepColumns(ci, kept.left, kept.width);
        } else {
            reader->arrays.keepColumns(ci, 0, 0);
        }
    }
    if (!beginRows(reader.get())) {
        return *reader->error;
    }
    RowFeed feed(*reader);
    const auto write = [&](size_t index, bool streamed) -> core::Status {
        detail::PageBlockArrays arrays;
        try {
            for (int ci = 0; ci < cinfo.num_components; ++ci) {
                detail::PageComponent component =
                    pageComponent(cinfo, ci, pages[index], QuarterTurn::None);
                if (streamed) {
                    component.stream = reader->arrays.array(ci);
                    component.feed = &feed;
                    component.sourceRowsPerMcu = cinfo.comp_info[ci].v_samp_factor;
                } else {
                    component.source = &store.component(ci);
                    component.left = 0;  // the kept blocks start at the page's left edge
                }
                arrays.add(component);
            }
        } catch (const std::bad_alloc&) {
            return core::outOfMemory();
        }
        core::Error error;
        if (!runWrite(*reader, pages[index], QuarterTurn::None, arrays, encoded, &error)) {
            return reader->error ? *reader->error : error;
        }
        files[index] = QByteArray(encoded.constData(), encoded.size());
        return core::success();
    };
    for (const size_t index : plan->streamed) {
        if (const core::Status written = write(index, true); !written) {
            return written.error();
        }
    }
    if (!finishRows(reader.get())) {
        return *reader->error;
    }
    if (plan->kept) {
        if (const core::Status written = write(*plan->kept, false); !written) {
            return written.error();
        }
    }
    return files;
}

}  // namespace imaging
