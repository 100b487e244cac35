// bench_floor: the least work a split of JPEG spreads needs, written
// with nothing but libjpeg, to measure the program's split batch against.
//
// For every .jpg of SOURCE (sorted by name) it does what a split with
// direction "left" (right-hand page first), no centre removal, margin
// removal with threshold T and kept margin K, and JPEG output at quality Q
// does, with the same libjpeg settings as the program:
//   decode: libjpeg defaults, RGB out;
//   cut: the right half (columns W/2 .. 2*(W/2)) is part 1, the left half
//        part 2 (an odd width drops the last column, as the program's
//        nearest-neighbour scaling of the far part does);
//   trim: grey = (r + g + b) / 3, background = grey of the part's top-left
//        pixel, content where |grey - background| > T; the bounding box of
//        the content widened by K and clamped (the whole part when there is
//        no content); rows above and below the content are read whole, the
//        rows between only in their margins;
//   encode: 3-component RGB, jpeg_set_defaults, jpeg_set_quality(Q, TRUE),
//        floating-point DCT, baseline; straight from the decoded picture's
//        rows, no copy;
//   write: DEST/<name>_1.jpg and _2.jpg.
// The decode target, the compressed input and output buffers and the
// libjpeg objects are kept from one image to the next.
//
// Options that add back costs of the program, to measure them one by one:
//   --fresh-buffers  a newly allocated decode target for every image;
//   --sync           write through a temporary file, fdatasync, rename.
//
//     bench_floor [--threshold T] [--keep K] [--quality Q]
//                     [--processes N] [--fresh-buffers] [--sync] SOURCE DEST

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <jerror.h>
#include <jpeglib.h>

namespace {

struct Settings {
    int threshold = 100;
    int keep = 0;
    int quality = 80;
    int processes = 1;
    bool freshBuffers = false;
    bool sync = false;
    std::string source;
    std::string dest;
};

struct Box {
    int left, top, right, bottom;
};

// A rectangle of the decoded picture: its first pixel and the row stride.
struct View {
    const unsigned char* pixels;
    size_t stride;
    int width;
    int height;

    const unsigned char* at(int x, int y) const { return pixels + y * stride + 3 * size_t(x); }
    View crop(const Box& box) const {
        return View{at(box.left, box.top), stride, box.right - box.left, box.bottom - box.top};
    }
};

// ---- libjpeg glue ---------------------------------------------------------

struct ErrorJump {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}

void quiet(j_common_ptr) {}

// Compressed output, in a buffer kept (and only ever grown) from one file
// to the next.
struct OutputBuffer {
    std::unique_ptr<unsigned char[]> data;
    size_t capacity = 0;
    size_t length = 0;
};

struct BufferDestination {
    jpeg_destination_mgr pub;
    OutputBuffer* out;
};

void startOutput(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<BufferDestination*>(cinfo->dest);
    if (d->out->capacity == 0) {
        try {
            d->out->data = std::make_unique_for_overwrite<unsigned char[]>(1 << 20);
        } catch (const std::bad_alloc&) {
            ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
        }
        d->out->capacity = 1 << 20;
    }
    d->pub.next_output_byte = d->out->data.get();
    d->pub.free_in_buffer = d->out->capacity;
}

boolean growOutput(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<BufferDestination*>(cinfo->dest);
    const size_t used = d->out->capacity;
    std::unique_ptr<unsigned char[]> larger;
    try {
        larger = std::make_unique_for_overwrite<unsigned char[]>(2 * used);
    } catch (const std::bad_alloc&) {
        ERREXIT(cinfo, JERR_OUT_OF_MEMORY);  // back to encode()'s setjmp
    }
    std::memcpy(larger.get(), d->out->data.get(), used);
    d->out->data = std::move(larger);
    d->out->capacity = 2 * used;
    d->pub.next_output_byte = d->out->data.get() + used;
    d->pub.free_in_buffer = used;
    return TRUE;
}

void finishOutput(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<BufferDestination*>(cinfo->dest);
    d->out->length = d->out->capacity - d->pub.free_in_buffer;
}

struct Codec {
    jpeg_decompress_struct in;
    jpeg_compress_struct out;
    ErrorJump inErrors;
    ErrorJump outErrors;
    BufferDestination destination;

    Codec() {
        in.err = jpeg_std_error(&inErrors.pub);
        inErrors.pub.error_exit = jumpOut;
        inErrors.pub.output_message = quiet;
        jpeg_create_decompress(&in);
        out.err = jpeg_std_error(&outErrors.pub);
        outErrors.pub.error_exit = jumpOut;
        outErrors.pub.output_message = quiet;
        jpeg_create_compress(&out);
        destination.pub.init_destination = startOutput;
        destination.pub.empty_output_buffer = growOutput;
        destination.pub.term_destination = finishOutput;
        out.dest = &destination.pub;
    }
    ~Codec() {
        jpeg_destroy_decompress(&in);
        jpeg_destroy_compress(&out);
    }
    Codec(const Codec&) = delete;
    Codec& operator=(const Codec&) = delete;
};

// Decodes `bytes` into `pixels` (grown when needed; with `fresh` a new
// allocation every time). False on a libjpeg error.
bool decode(Codec& codec, const std::vector<unsigned char>& bytes,
            std::unique_ptr<unsigned char[]>& pixels, size_t& capacity, bool fresh, View& view) {
    jpeg_decompress_struct& cinfo = codec.in;
    if (setjmp(codec.inErrors.jump)) {
        jpeg_abort_decompress(&cinfo);
        return false;
    }
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const size_t stride = size_t(cinfo.output_width) * 3;
    const size_t needed = stride * cinfo.output_height;
    if (fresh || needed > capacity) {
        pixels.reset();
        capacity = 0;
        try {
            // Not zeroed: decoding writes every byte.
            pixels = std::make_unique_for_overwrite<unsigned char[]>(needed);
        } catch (const std::bad_alloc&) {
            jpeg_abort_decompress(&cinfo);
            return false;
        }
        capacity = needed;
    }
    JSAMPROW rows[16];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(16, cinfo.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i) {
            rows[i] = pixels.get() + (first + i) * stride;
        }
        jpeg_read_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_decompress(&cinfo);
    view = View{pixels.get(), stride, int(cinfo.output_width), int(cinfo.output_height)};
    return true;
}

// Encodes `part` into `bytes`. False on a libjpeg error.
bool encode(Codec& codec, const View& part, int quality, OutputBuffer& bytes) {
    jpeg_compress_struct& cinfo = codec.out;
    codec.destination.out = &bytes;
    if (setjmp(codec.outErrors.jump)) {
        jpeg_abort_compress(&cinfo);
        return false;
    }
    cinfo.image_width = JDIMENSION(part.width);
    cinfo.image_height = JDIMENSION(part.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPROW rows[16];
    while (cinfo.next_scanline < cinfo.image_height) {
        const JDIMENSION first = cinfo.next_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(16, cinfo.image_height - first);
        for (JDIMENSION i = 0; i < count; ++i) {
            rows[i] = const_cast<JSAMPROW>(part.at(0, int(first + i)));
        }
        jpeg_write_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

// ---- margin trim ----------------------------------------------------------

// Pixels are tested 16 at a time first: when every byte of 16 pixels lies
// within background +- T, so does their grey level, and all 16 are margin.
// (A byte loop the compiler turns into vector code.)
constexpr int kRun = 16;

struct ContentTest {
    bool isContent[766];  // by the pixel's byte sum r + g + b
    unsigned char low;
    unsigned char span;

    ContentTest(int background, int threshold) {
        for (int sum = 0; sum < 766; ++sum) {
            isContent[sum] = std::abs(sum / 3 - background) > threshold;
        }
        low = static_cast<unsigned char>(std::clamp(background - threshold, 0, 255));
        span = static_cast<unsigned char>(std::clamp(background + threshold, 0, 255) - low);
    }
    bool operator()(const unsigned char* p) const { return isContent[p[0] + p[1] + p[2]]; }
    bool runIsMargin(const unsigned char* p) const {
        unsigned char outside = 0;
        for (int i = 0; i < 3 * kRun; ++i) {
            outside |= static_cast<unsigned char>(static_cast<unsigned char>(p[i] - low) > span);
        }
        return outside == 0;
    }
};

// The first content pixel of row y in [from, to), or -1.
int firstContent(const View& part, int y, int from, int to, const ContentTest& content) {
    int x = from;
    while (x + kRun <= to && content.runIsMargin(part.at(x, y))) {
        x += kRun;
    }
    for (; x < to; ++x) {
        if (content(part.at(x, y))) {
            return x;
        }
    }
    return -1;
}

// The last content pixel of row y in [from, to), or -1.
int lastContent(const View& part, int y, int from, int to, const ContentTest& content) {
    int end = to;
    while (end - kRun >= from && content.runIsMargin(part.at(end - kRun, y))) {
        end -= kRun;
    }
    for (int x = end - 1; x >= from; --x) {
        if (content(part.at(x, y))) {
            return x;
        }
    }
    return -1;
}

Box trimBox(const View& part, int threshold, int keep) {
    const Box whole{0, 0, part.width, part.height};
    if (threshold < 0) {
        return whole;
    }
    const unsigned char* corner = part.at(0, 0);
    const ContentTest content((corner[0] + corner[1] + corner[2]) / 3, threshold);
    Box box{};
    int y = 0;
    for (; y < part.height; ++y) {
        const int x = firstContent(part, y, 0, part.width, content);
        if (x >= 0) {
            box = Box{x, y, x + 1, y + 1};
            break;
        }
    }
    if (y == part.height) {
        return whole;
    }
    for (int row = part.height - 1; row >= box.top; --row) {
        const int x = lastContent(part, row, 0, part.width, content);
        if (x >= 0) {
            box.bottom = row + 1;
            box.right = std::max(box.right, x + 1);
            break;
        }
    }
    for (int row = box.top; row < box.bottom; ++row) {
        const int left = firstContent(part, row, 0, box.left, content);
        if (left >= 0) {
            box.left = left;
        }
        const int right = lastContent(part, row, box.right, part.width, content);
        if (right >= 0) {
            box.right = right + 1;
        }
    }
    const int k = std::max(keep, 0);
    return Box{std::max(box.left - k, 0), std::max(box.top - k, 0),
               std::min(box.right + k, part.width), std::min(box.bottom + k, part.height)};
}

// ---- files ----------------------------------------------------------------

bool readFile(const std::string& path, std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    const long length = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    bool ok = length > 0;
    if (ok) {
        bytes.resize(size_t(length));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    return ok;
}

bool writeAll(int fd, const OutputBuffer& bytes) {
    size_t done = 0;
    while (done < bytes.length) {
        const ssize_t n = ::write(fd, bytes.data.get() + done, bytes.length - done);
        if (n <= 0) {
            return false;
        }
        done += size_t(n);
    }
    return true;
}

bool writeFile(const std::string& path, const OutputBuffer& bytes, bool sync) {
    const std::string target = sync ? path + ".tmp" : path;
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, bytes);
    if (sync) {
        ok = ok && ::fdatasync(fd) == 0;
    }
    ok = ::close(fd) == 0 && ok;
    if (sync) {
        ok = ok && std::rename(target.c_str(), path.c_str()) == 0;
        if (!ok) {
            std::remove(target.c_str());
        }
    }
    return ok;
}

std::vector<std::string> listSpreads(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        if (entry.is_regular_file() && extension == ".jpg") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// ---- the work -------------------------------------------------------------

// Splits every `step`-th spread from `first` on; returns the failures.
int splitShare(const Settings& settings, const std::vector<std::string>& names, size_t first,
               size_t step) {
    Codec codec;
    std::vector<unsigned char> input;
    OutputBuffer output;
    std::unique_ptr<unsigned char[]> pixels;
    size_t capacity = 0;
    int failures = 0;
    for (size_t i = first; i < names.size(); i += step) {
        const std::string& name = names[i];
        const std::string base = name.substr(0, name.rfind('.'));
        View spread{};
        if (!readFile(settings.source + "/" + name, input) ||
            !decode(codec, input, pixels, capacity, settings.freshBuffers, spread) ||
            spread.width < 2) {
            std::fprintf(stderr, "%s: cannot read\n", name.c_str());
            ++failures;
            continue;
        }
        const int half = spread.width / 2;
        const View parts[2] = {spread.crop(Box{half, 0, 2 * half, spread.height}),
                               spread.crop(Box{0, 0, half, spread.height})};
        for (int p = 0; p < 2; ++p) {
            const View page = parts[p].crop(trimBox(parts[p], settings.threshold, settings.keep));
            const std::string path =
                settings.dest + "/" + base + "_" + std::to_string(p + 1) + ".jpg";
            if (!encode(codec, page, settings.quality, output) ||
                !writeFile(path, output, settings.sync)) {
                std::fprintf(stderr, "%s: cannot write\n", path.c_str());
                ++failures;
            }
        }
    }
    return failures;
}

double seconds() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

int usage() {
    std::fprintf(stderr,
                 "usage: bench_floor [--threshold T] [--keep K] [--quality Q] "
                 "[--processes N] [--fresh-buffers] [--sync] SOURCE DEST\n");
    return 2;
}

bool parse(int argc, char** argv, Settings& settings) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto number = [&](int& value, int low, int high) {
            if (i + 1 >= argc) {
                return false;
            }
            char* end = nullptr;
            const long parsed = std::strtol(argv[++i], &end, 10);
            value = int(parsed);
            return *end == '\0' && parsed >= low && parsed <= high;
        };
        bool ok = true;
        if (arg == "--threshold") {
            ok = number(settings.threshold, 0, 255);
        } else if (arg == "--keep") {
            ok = number(settings.keep, 0, 9999);
        } else if (arg == "--quality") {
            ok = number(settings.quality, 0, 100);
        } else if (arg == "--processes") {
            ok = number(settings.processes, 1, 256);
        } else if (arg == "--fresh-buffers") {
            settings.freshBuffers = true;
        } else if (arg == "--sync") {
            settings.sync = true;
        } else if (arg.rfind("--", 0) == 0) {
            ok = false;
        } else {
            positional.push_back(arg);
        }
        if (!ok) {
            return false;
        }
    }
    if (positional.size() != 2) {
        return false;
    }
    settings.source = positional[0];
    settings.dest = positional[1];
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Settings settings;
    if (!parse(argc, argv, settings)) {
        return usage();
    }
    std::vector<std::string> names;
    try {
        names = listSpreads(settings.source);
        std::filesystem::create_directories(settings.dest);
    } catch (const std::filesystem::filesystem_error& error) {
        std::fprintf(stderr, "bench_floor: %s\n", error.what());
        return 1;
    }
    const double start = seconds();
    int failures = 0;
    if (settings.processes == 1) {
        failures = splitShare(settings, names, 0, 1);
    } else {
        std::fflush(nullptr);
        std::vector<pid_t> children;
        for (int k = 0; k < settings.processes; ++k) {
            const pid_t child = ::fork();
            if (child == 0) {
                const int failed =
                    splitShare(settings, names, size_t(k), size_t(settings.processes));
                std::fflush(nullptr);
                ::_exit(failed == 0 ? 0 : 1);
            }
            if (child < 0) {
                std::perror("fork");
                return 1;
            }
            children.push_back(child);
        }
        for (const pid_t child : children) {
            int status = 0;
            if (::waitpid(child, &status, 0) < 0 || !WIFEXITED(status) ||
                WEXITSTATUS(status) != 0) {
                ++failures;
            }
        }
    }
    const double elapsed = seconds() - start;
    std::printf("floor: %zu spreads in %.3f s, %.1f ms per spread (%d process%s%s%s)\n",
                names.size(), elapsed, names.empty() ? 0.0 : elapsed * 1e3 / double(names.size()),
                settings.processes, settings.processes == 1 ? "" : "es",
                settings.freshBuffers ? ", fresh buffers" : "", settings.sync ? ", sync" : "");
    return failures == 0 ? 0 : 1;
}
