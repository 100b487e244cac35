#include "tests/split/JpegBlocks.h"

#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace split_tests {

namespace {

[[noreturn]] void throwError(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    throw std::runtime_error(text);
}

void quiet(j_common_ptr, int) {}

ComponentBlocks componentOf(j_decompress_ptr cinfo, jvirt_barray_ptr array, int index) {
    const jpeg_component_info& info = cinfo->comp_info[index];
    const bool single = cinfo->num_components == 1;
    ComponentBlocks component;
    component.widthInBlocks = static_cast<int>(info.width_in_blocks);
    component.heightInBlocks = static_cast<int>(info.height_in_blocks);
    component.blockWidth = single ? 8 : 8 * cinfo->max_h_samp_factor / info.h_samp_factor;
    component.blockHeight = single ? 8 : 8 * cinfo->max_v_samp_factor / info.v_samp_factor;
    const JQUANT_TBL* table = cinfo->quant_tbl_ptrs[info.quant_tbl_no];
    for (JDIMENSION row = 0; row < info.height_in_blocks; ++row) {
        const JBLOCKARRAY rows = (*cinfo->mem->access_virt_barray)(
            reinterpret_cast<j_common_ptr>(cinfo), array, row, 1, FALSE);
        for (JDIMENSION column = 0; column < info.width_in_blocks; ++column) {
            std::array<int, 64> block{};
            for (int k = 0; k < 64; ++k) {
                block[static_cast<size_t>(k)] = rows[0][column][k] * table->quantval[k];
            }
            component.blocks.push_back(block);
        }
    }
    return component;
}

int turnedIndex(int k, PageTurn turn, int* sign) {
    const int v = k / 8;
    const int u = k % 8;
    *sign = 1;
    if (turn == PageTurn::None) {
        return k;
    }
    // Page coefficient (v, u) comes from the source's (u, v).
    if ((turn == PageTurn::Left && v % 2 == 1) || (turn == PageTurn::Right && u % 2 == 1)) {
        *sign = -1;
    }
    return 8 * u + v;
}

}  // namespace

JpegBlocks readBlocks(const QByteArray& jpeg) {
    JpegBlocks result;
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    errors.error_exit = throwError;
    errors.emit_message = quiet;
    jpeg_create_decompress(&cinfo);
    try {
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                     static_cast<unsigned long>(jpeg.size()));
        jpeg_read_header(&cinfo, TRUE);
        jvirt_barray_ptr* arrays = jpeg_read_coefficients(&cinfo);
        result.width = static_cast<int>(cinfo.image_width);
        result.height = static_cast<int>(cinfo.image_height);
        for (int i = 0; i < cinfo.num_components; ++i) {
            result.components.push_back(componentOf(&cinfo, arrays[i], i));
        }
        result.readable = true;
    } catch (const std::runtime_error&) {
        result.readable = false;
    }
    jpeg_destroy_decompress(&cinfo);
    return result;
}

std::string firstBlockDifference(const JpegBlocks& page, const JpegBlocks& source,
                                 const imaging::PixelRect& rect, PageTurn turn) {
    if (!page.readable || !source.readable) {
        return "not a readable JPEG";
    }
    const bool turned = turn != PageTurn::None;
    const int expectedWidth = turned ? rect.height() : rect.width();
    const int expectedHeight = turned ? rect.width() : rect.height();
    if (page.width != expectedWidth || page.height != expectedHeight ||
        page.components.size() != source.components.size()) {
        return "page is " + std::to_string(page.width) + "x" + std::to_string(page.height) +
               ", expected " + std::to_string(expectedWidth) + "x" + std::to_string(expectedHeight);
    }
    for (size_t ci = 0; ci < source.components.size(); ++ci) {
        const ComponentBlocks& from = source.components[ci];
        const ComponentBlocks& to = page.components[ci];
        const int left = rect.left / from.blockWidth;
        const int top = rect.top / from.blockHeight;
        // The page's extent in source blocks, along the source's axes.
        const int across = turned ? to.heightInBlocks : to.widthInBlocks;
        for (int row = 0; row < to.heightInBlocks; ++row) {
            for (int column = 0; column < to.widthInBlocks; ++column) {
                int sourceColumn = left + column;
                int sourceRow = top + row;
                if (turn == PageTurn::Left) {
                    sourceColumn = left + across - 1 - row;
                    sourceRow = top + column;
                } else if (turn == PageTurn::Right) {
                    sourceColumn = left + row;
                    sourceRow = top + to.widthInBlocks - 1 - column;
                }
                const auto& expected = from.at(sourceColumn, sourceRow);
                const auto& actual = to.at(column, row);
                for (int k = 0; k < 64; ++k) {
                    int sign = 1;
                    const int index = turnedIndex(k, turn, &sign);
                    if (actual[static_cast<size_t>(k)] !=
                        sign * expected[static_cast<size_t>(index)]) {
                        return "component " + std::to_string(ci) + " block (" +
                               std::to_string(column) + ", " + std::to_string(row) +
                               ") coefficient " + std::to_string(k);
                    }
                }
            }
        }
    }
    return "";
}

}  // namespace split_tests
