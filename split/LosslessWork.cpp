#include "split/LosslessWork.h"

#include "imaging/FileNames.h"
#include "imaging/LosslessJpeg.h"
#include "split/LosslessGeometry.h"
#include "split/MarginRemoval.h"
#include "split/OutputNames.h"
#include "split/SharedCrop.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace split {

namespace {

using imaging::PixelRect;

imaging::QuarterTurn turnOf(const SplitOptions& options) {
    if (!options.turn) {
        return imaging::QuarterTurn::None;
    }
    return options.turnDirection == TurnDirection::Left ? imaging::QuarterTurn::Left
                                                        : imaging::QuarterTurn::Right;
}

// Whether the gutter search or the deskew needs the image's pixels.
bool measures(const SplitOptions& options) {
    return options.deskew || (options.cutPlacement == CutPlacement::Gutter &&
                              options.direction != SplitDirection::None);
}

// The cut the gutter search found, if any.
std::optional<int> foundCut(const ItemFindings& findings) {
    if (findings.cut && findings.cut->found()) {
        return findings.cut->cut;
    }
    return std::nullopt;
}

// The pages when margins are removed: each of today's parts, its box found
// as today, then the lossless page of that box.
core::Expected<std::vector<LosslessPage>> pagesWithMargins(const QImage& picture, QSize grid,
                                                           const SplitOptions& options,
                                                           std::optional<int> cut) {
    const auto parts = todaysParts(picture.size(), options, cut);
    if (!parts) {
        return parts.error();
    }
    std::vector<LosslessPage> pages;
    for (const PixelRect& part : *parts) {
        const QImage view = sharedCrop(picture, part);
        if (view.isNull()) {
            return core::outOfMemory();
        }
        const PixelRect box = marginBox(view, options.marginThreshold, options.keptMargin);
        const PixelRect inPicture{part.left + box.left, part.top + box.top, part.left + box.right,
                                  part.top + box.bottom};
        pages.push_back(losslessPageFromBox(inPicture, picture.size(), grid, options));
    }
    return pages;
}

// What the pages of one image are made from: the file's blocks (when its
// colours are kept) and its decoded picture (once margins or a page encoded
// again need it).
class PageSource {
public:
    PageSource(const QByteArray& file, ItemWorkspace& workspace)
        : file_(file), workspace_(workspace) {}

    core::Status read(const imaging::JpegBlockLayout& layout, bool decode) {
        if (layout.blocksKept) {
            auto blocks = imaging::LosslessJpeg::read(
                file_, workspace_.coefficients, decode ? &workspace_.reading.pixels : nullptr);
            if (!blocks) {
                return blocks.error();
            }
            blocks_ = std::move(blocks).value();
            picture_ = blocks_->picture();
            return core::success();
        }
        return decode ? decodePicture() : core::success();
    }

    const QImage& picture() const { return picture_; }

    // The page's file, written into the workspace's encoding buffer and
    // copied out at its size, as other pages are: from the file's blocks,
    // or encoded from the picture.
    core::Expected<QByteArray> pageFile(const LosslessPage& page, const SplitOptions& options) {
        const imaging::QuarterTurn turn = turnOf(options);
        if (!page.reencoded) {
            if (const core::Status written =
                    blocks_->writePage(page.rect, turn, workspace_.encoded);
                !written) {
                return written.error();
            }
            return QByteArray(workspace_.encoded.constData(), workspace_.encoded.size());
        }
        if (picture_.isNull()) {
            if (const core::Status decoded = decodePicture(); !decoded) {
                return decoded.error();
            }
        }
        const QImage view = sharedCrop(picture_, page.rect);
        if (view.isNull()) {
            return core::outOfMemory();
        }
        const core::Status encoded =
            imaging::encodeJpeg(view, options.jpegQuality, turn, workspace_.encoded);
        if (!encoded) {
            return encoded.error();
        }
        return QByteArray(workspace_.encoded.constData(), workspace_.encoded.size());
    }

private:
    core::Status decodePicture() {
        auto picture = imaging::decodeJpeg(file_, workspace_.reading.pixels);
        if (!picture) {
            return picture.error();
        }
        picture_ = std::move(picture).value();
        return core::success();
    }

    const QByteArray& file_;
    ItemWorkspace& workspace_;
    std::optional<imaging::LosslessJpeg> blocks_;
    QImage picture_;
};

}  // namespace

void planLosslessImage(const SplitItem& item, const SplitOptions& options,
                       const QString& outputFolder, ItemWorkspace& workspace, ItemWork& work) {
    const auto fail = [&](const core::Error& error) {
        work.outputs.clear();
        work.problem = ItemProblem{error.message, item.fileName};
    };
    QByteArray& file = workspace.reading.fileBytes;
    if (const core::Status read = imaging::readPictureFile(item.sourcePath, file); !read) {
        return fail(read.error());
    }
    const auto layout = imaging::readJpegBlockLayout(file);
    if (!layout) {
        return fail(layout.error());
    }
    const auto pathOf = [&](size_t index) {
        return imaging::joinPath(
            outputFolder, partName(item.fileName, static_cast<int>(index) + 1, options.format));
    };
    if (layout->blocksKept && !options.removeMargins && !options.turn && !measures(options)) {
        // Pages cut without a turn are written while the file is read.
        const auto planned = losslessPages(layout->size, layout->grid, options);
        if (!planned) {
            return fail(planned.error());
        }
        if (std::none_of(planned->begin(), planned->end(),
                         [](const LosslessPage& page) { return page.reencoded.has_value(); })) {
            std::vector<PixelRect> rects;
            for (const LosslessPage& page : *planned) {
                rects.push_back(page.rect);
            }
            auto files = imaging::LosslessJpeg::writeCutPages(file, workspace.coefficients, rects,
                                                              workspace.encoded);
            if (!files) {
                return fail(files.error());
            }
            for (size_t i = 0; i < rects.size(); ++i) {
                work.outputs.push_back(
                    PlannedWrite{pathOf(i), std::move((*files)[i]), LosslessNote{}});
            }
            return;
        }
    }
    PageSource source(file, workspace);
    if (const core::Status read = source.read(*layout, options.removeMargins || measures(options));
        !read) {
        return fail(read.error());
    }
    // The measures see the parts processItem cuts from the same pixels, so
    // they find what they find without lossless pages. The parts are views
    // into the picture.
    std::optional<SplitParts> parts;
    if (measures(options)) {
        auto cut = cutSelected(source.picture(), options, work.findings);
        if (!cut) {
            return fail(cut.error());
        }
        parts = std::move(cut).value();
    }
    const std::optional<int> at = foundCut(work.findings);
    auto planned = options.removeMargins
                       ? pagesWithMargins(source.picture(), layout->grid, options, at)
                       : losslessPages(layout->size, layout->grid, options, at);
    if (!planned) {
        return fail(planned.error());
    }
    std::vector<LosslessPage> pages = std::move(planned).value();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (options.deskew) {
            // A page the deskew turns has left its blocks: it is written
            // from its straightened pixels, as without lossless pages.
            PageFindings& findings = work.findings.pages.emplace_back();
            findings.fileName = partName(item.fileName, static_cast<int>(i) + 1, options.format);
            const QImage& part = i == 0 ? parts->first : *parts->second;
            const auto straight =
                straightenPage(part, options.deskewCap, workspace.straightened, findings);
            if (!straight) {
                return fail(core::outOfMemory());
            }
            if (!findings.kept()) {
                if (!planStraightenedPage(*straight, pathOf(i), item, options, workspace, work)) {
                    work.outputs.clear();
                    return;
                }
                continue;
            }
        }
        LosslessPage& page = pages[i];
        if (!layout->blocksKept) {
            page.reencoded = NotLosslessReason::ColoursNotKept;
        }
        auto bytes = source.pageFile(page, options);
        if (!bytes) {
            return fail(bytes.error());
        }
        work.outputs.push_back(
            PlannedWrite{pathOf(i), std::move(bytes).value(), LosslessNote{page.reencoded}});
    }
}

core::Expected<std::vector<PlannedPage>> plannedLosslessPages(const SplitItem& item,
                                                              const SplitOptions& options,
                                                              ItemWorkspace& workspace,
                                                              const ItemFindings* findings) {
    std::vector<PlannedPage> planned;
    if (!item.selected || !options.keepsBlocksOf(item.fileName)) {
        return planned;
    }
    const auto layout = imaging::readJpegBlockLayout(item.sourcePath);
    if (!layout) {
        return layout.error();
    }
    const std::optional<int> at = findings ? foundCut(*findings) : std::nullopt;
    core::Expected<std::vector<LosslessPage>> pages = std::vector<LosslessPage>{};
    if (options.removeMargins && options.turn && layout->blocksKept) {
        const auto picture = imaging::loadPicture(item.sourcePath, workspace.reading);
        if (!picture) {
            return picture.error();
        }
        pages = pagesWithMargins(*picture, layout->grid, options, at);
    } else if (options.removeMargins) {
        // Without a turn the margins move the pages' edges but never cost
        // them their blocks: one page for each of today's parts.
        const auto parts = todaysParts(layout->size, options, at);
        if (!parts) {
            return parts.error();
        }
        pages = std::vector<LosslessPage>(parts->size());
    } else {
        pages = losslessPages(layout->size, layout->grid, options, at);
    }
    if (!pages) {
        return pages.error();
    }
    for (size_t i = 0; i < pages->size(); ++i) {
        std::optional<NotLosslessReason> reencoded =
            layout->blocksKept ? (*pages)[i].reencoded
                               : std::optional(NotLosslessReason::ColoursNotKept);
        if (findings && i < findings->pages.size() && !findings->pages[i].kept()) {
            reencoded = NotLosslessReason::Straightened;
        }
        planned.push_back(
            PlannedPage{partName(item.fileName, static_cast<int>(i) + 1, options.format),
                        LosslessNote{reencoded}});
    }
    return planned;
}

}  // namespace split
