#include "split/ItemWork.h"

#include "core/ExceptionBarrier.h"
#include "imaging/FileNames.h"
#include "imaging/PictureIo.h"
#include "split/LosslessWork.h"
#include "split/MarginRemoval.h"
#include "split/OutputNames.h"
#include "split/Rotation.h"
#include "split/SplitGeometry.h"

#include <QFileInfo>
#include <QImage>

#include <cstddef>
#include <utility>

namespace split {

namespace {

imaging::QuarterTurn quarterTurn(TurnDirection direction) {
    return direction == TurnDirection::Left ? imaging::QuarterTurn::Left
                                            : imaging::QuarterTurn::Right;
}

// A JPEG page is turned while it is encoded, without a turned copy; a BMP
// page is turned into the workspace first.
bool turnsWhileEncoding(const SplitOptions& options) {
    return options.format == OutputFormat::Jpeg;
}

// The output file's bytes, turned as `turn` says. A JPEG is encoded into the
// workspace's kept buffer (it grows in small steps while libjpeg writes) and
// copied out at its exact size; a BMP's size is known up front.
core::Expected<QByteArray> encode(const QImage& picture, const SplitOptions& options,
                                  imaging::QuarterTurn turn, ItemWorkspace& workspace) {
    if (options.format == OutputFormat::Bmp) {
        return imaging::encodeBmp(picture);
    }
    const core::Status encoded =
        imaging::encodeJpeg(picture, options.jpegQuality, turn, workspace.encoded);
    if (!encoded) {
        return encoded.error();
    }
    return QByteArray(workspace.encoded.constData(), workspace.encoded.size());
}

// The deskew when asked (`page` set), the margins, then the turn where it
// is not left to the encoder; nullopt when memory ran out. The trimmed page
// is a view into the part (or the straightened page); the straightened and
// the turned ones live in the workspace.
std::optional<QImage> finishPart(QImage part, const SplitOptions& options, bool turn,
                                 PageFindings* page, ItemWorkspace& workspace) {
    if (page) {
        auto straight = straightenPage(part, options.deskewCap, workspace.straightened, *page);
        if (!straight) {
            return std::nullopt;
        }
        part = std::move(*straight);
    }
    if (options.removeMargins) {
        part = removeMargins(part, options.marginThreshold, options.keptMargin);
        if (part.isNull()) {
            return std::nullopt;
        }
    }
    if (turn && !turnsWhileEncoding(options)) {
        part = turnQuarter(part, options.turnDirection, workspace.turned);
        if (part.isNull()) {
            return std::nullopt;
        }
    }
    return part;
}

// How a picture is finished before it is encoded: pages of a selected
// image are turned when asked and straightened when asked (unless they
// come straightened), unselected images never.
struct Finish {
    bool allowTurn = false;
    bool straighten = false;
    std::optional<LosslessNote> note;
};

// Finishes and encodes one picture into `work`; false with the problem set
// on failure. The finished picture lives only until its bytes are made, so
// the next part can be turned into the same memory.
bool planWrite(QImage picture, const QString& targetPath, const SplitItem& item,
               const SplitOptions& options, const Finish& finish, ItemWorkspace& workspace,
               ItemWork& work) {
    const bool turn = finish.allowTurn && options.turn;
    PageFindings* page = nullptr;
    if (finish.straighten) {
        page = &work.findings.pages.emplace_back();
        page->fileName = QFileInfo(targetPath).fileName();
    }
    const auto finished = finishPart(std::move(picture), options, turn, page, workspace);
    if (!finished) {
        work.problem = ItemProblem{core::outOfMemory().message, item.fileName};
        return false;
    }
    const imaging::QuarterTurn encoderTurn = turn && turnsWhileEncoding(options)
                                                 ? quarterTurn(options.turnDirection)
                                                 : imaging::QuarterTurn::None;
    auto bytes = encode(*finished, options, encoderTurn, workspace);
    if (!bytes) {
        work.problem = ItemProblem{bytes.error().message, item.fileName};
        return false;
    }
    work.outputs.push_back(PlannedWrite{targetPath, std::move(bytes).value(), finish.note});
    return true;
}

// A selected image's page: turned when asked, straightened when asked.
Finish selectedPage(const SplitOptions& options) {
    return Finish{true, options.deskew, std::nullopt};
}

// Decodes a selected item into the workspace and cuts it where the options
// say, noting the cut in `findings`. The parts are views into the decoded
// picture, which stays in the workspace's memory.
core::Expected<SplitParts> loadAndCut(const SplitItem& item, const SplitOptions& options,
                                      ItemWorkspace& workspace, ItemFindings& findings) {
    const auto picture = imaging::loadPicture(item.sourcePath, workspace.reading);
    if (!picture) {
        return picture.error();
    }
    return cutSelected(*picture, options, findings);
}

void planSelected(const SplitItem& item, const SplitOptions& options, const QString& outputFolder,
                  ItemWorkspace& workspace, ItemWork& work) {
    if (options.keepsBlocksOf(item.fileName)) {
        planLosslessImage(item, options, outputFolder, workspace, work);
        return;
    }
    std::optional<SplitParts> parts;
    {
        auto cut = loadAndCut(item, options, workspace, work.findings);
        if (!cut) {
            work.problem = ItemProblem{cut.error().message, item.fileName};
            return;
        }
        parts = std::move(cut).value();
    }

    const QString firstPath =
        imaging::joinPath(outputFolder, partName(item.fileName, 1, options.format));
    if (!planWrite(std::exchange(parts->first, QImage()), firstPath, item, options,
                   selectedPage(options), workspace, work)) {
        work.outputs.clear();
        return;
    }
    if (parts->second) {
        const QString secondPath =
            imaging::joinPath(outputFolder, partName(item.fileName, 2, options.format));
        QImage second = std::move(*parts->second);
        parts->second.reset();
        if (!planWrite(std::move(second), secondPath, item, options, selectedPage(options),
                       workspace, work)) {
            work.outputs.clear();
        }
    }
}

void planResave(const SplitItem& item, const SplitOptions& options, const QString& outputFolder,
                ItemWorkspace& workspace, ItemWork& work) {
    auto picture = imaging::loadPicture(item.sourcePath, workspace.reading);
    if (!picture) {
        work.problem = ItemProblem{picture.error().message, item.fileName};
        return;
    }
    const QString target =
        imaging::joinPath(outputFolder, resavedName(item.fileName, options.format));
    planWrite(std::move(picture).value(), target, item, options, Finish{}, workspace, work);
}

// Runs one planning step of the item. Memory running out on the way (or
// anything else thrown) becomes the item's problem, with no output from
// that step: the work runs on worker threads, and an exception must not
// reach the thread that takes the result.
template <typename Step>
void runStep(ItemWork& work, const SplitItem& item, Step&& step) {
    const auto outputsBefore = static_cast<std::ptrdiff_t>(work.outputs.size());
    const core::Status done = core::withoutExceptions([&] {
        step();
        return core::success();
    });
    if (!done) {
        work.outputs.erase(work.outputs.begin() + outputsBefore, work.outputs.end());
        work.problem = ItemProblem{done.error().message, item.fileName};
    }
}

void planItem(const SplitItem& item, const SplitOptions& options, const QString& outputFolder,
              ItemWorkspace& workspace, ItemWork& work) {
    if (!QFileInfo::exists(item.sourcePath)) {
        return;
    }
    if (item.selected) {
        work.numberStep = 1;
        runStep(work, item, [&] { planSelected(item, options, outputFolder, workspace, work); });
        return;
    }
    if (options.copyUnselected) {
        work.numberStep += 1;
        runStep(work, item, [&] {
            work.outputs.push_back(
                PlannedCopy{item.sourcePath, imaging::joinPath(outputFolder, item.fileName)});
        });
    }
    if (options.resaveUnselected) {
        work.numberStep += 1;
        runStep(work, item, [&] { planResave(item, options, outputFolder, workspace, work); });
    }
}

}  // namespace

ItemWork processItem(const SplitItem& item, const SplitOptions& options,
                     const QString& outputFolder, ItemWorkspace& workspace) {
    ItemWork work;
    runStep(work, item, [&] { planItem(item, options, outputFolder, workspace, work); });
    return work;
}

core::Expected<SplitParts> cutSelected(const QImage& picture, const SplitOptions& options,
                                       ItemFindings& findings) {
    std::optional<int> at;
    if (options.direction != SplitDirection::None) {
        if (options.cutPlacement == CutPlacement::Gutter) {
            findings.gutterSearched = true;
            findings.cut = findGutter(picture, options.direction);
            if (findings.cut->found()) {
                at = findings.cut->cut;
            }
        } else if (options.deskew) {
            const bool across = options.direction == SplitDirection::Right ||
                                options.direction == SplitDirection::Left;
            findings.cut = GutterFinding{across ? picture.width() / 2 : picture.height() / 2,
                                         GutterSign::None};
        }
    }
    return cutImage(picture, options.direction, options.centreWidthInUse(), at);
}

bool planStraightenedPage(const QImage& page, const QString& targetPath, const SplitItem& item,
                          const SplitOptions& options, ItemWorkspace& workspace, ItemWork& work) {
    return planWrite(page, targetPath, item, options,
                     Finish{true, false, LosslessNote{NotLosslessReason::Straightened}}, workspace,
                     work);
}

core::Expected<ItemFindings> inspectItem(const SplitItem& item, const SplitOptions& options) {
    return core::withoutExceptions([&]() -> core::Expected<ItemFindings> {
        ItemWorkspace workspace;
        ItemFindings findings;
        auto parts = loadAndCut(item, options, workspace, findings);
        if (!parts) {
            return parts.error();
        }
        if (!options.deskew) {
            return findings;
        }
        std::vector<QImage> pages{parts->first};
        if (parts->second) {
            pages.push_back(*parts->second);
        }
        // Only the measure: nothing is written, so nothing is turned.
        for (size_t i = 0; i < pages.size(); ++i) {
            PageFindings& page = findings.pages.emplace_back();
            page.fileName = partName(item.fileName, static_cast<int>(i) + 1, options.format);
            measurePage(pages[i], options.deskewCap, page);
        }
        return findings;
    });
}

ItemWork processItem(const SplitItem& item, const SplitOptions& options,
                     const QString& outputFolder) {
    // One workspace per thread: the batch's workers are pool threads that
    // take item after item, and the memory goes when the pool retires the
    // thread. Nothing of it leaves processItem, so no caller can hold a
    // picture that the next item overwrites.
    thread_local ItemWorkspace workspace;
    return processItem(item, options, outputFolder, workspace);
}

}  // namespace split
