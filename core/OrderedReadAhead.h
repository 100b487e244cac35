#pragma once

#include "core/Error.h"
#include "core/ExceptionBarrier.h"

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <map>
#include <optional>
#include <type_traits>
#include <utility>

// Works on the next few entries of a numbered sequence on worker threads
// while the caller takes them strictly in order: entry n's result is handed
// out only as entry n's, however the workers finish. The split batch and
// the catalogue's thumbnail loading both read ahead through this.
//
// The work of an entry is a callable returning core::Expected<T>, with
// everything it needs copied into it (it may outlive this object and runs
// on a thread of the pool). An exception it throws becomes its error: none
// ever reaches the thread that takes the result.
//
// Dropping work (drop(), keepAhead() past an entry, the destructor) never
// waits: work not yet begun does not begin, work already running finishes
// on its thread and its result is thrown away.
//
// Use from one thread, the one that takes the results.
template <typename T>
class OrderedReadAhead {
public:
    using Result = core::Expected<T>;

    // At most `depth` entries (at least 1) in work at a time; each holds its
    // result until taken, so this bounds the memory. The work runs on
    // `pool` (Qt's global pool when null), which must outlive the work.
    explicit OrderedReadAhead(int depth, QThreadPool* pool = nullptr)
        : depth_(std::max(1, depth)), pool_(pool ? pool : QThreadPool::globalInstance()) {}
    ~OrderedReadAhead() { drop(); }
    OrderedReadAhead(const OrderedReadAhead&) = delete;
    OrderedReadAhead& operator=(const OrderedReadAhead&) = delete;

    int depth() const { return depth_; }

    // Keeps entries `from` to from + depth - 1 (none from `end` on) in work:
    // drops the work of entries before `from` and starts each entry not yet
    // started with the work `workFor(entry)` returns. `workFor` itself runs
    // here, on the calling thread.
    template <typename WorkFor>
    void keepAhead(int from, int end, WorkFor&& workFor) {
        const auto stale = work_.lower_bound(from);
        for (auto it = work_.begin(); it != stale; ++it)
            it->second.cancel();
        work_.erase(work_.begin(), stale);
        const int stop = std::min(end, from + depth_);
        for (int entry = std::max(from, 0); entry < stop; ++entry) {
            if (!started(entry))
                start(entry, workFor(entry));
        }
    }

    // Starts `work` for `entry`, dropping earlier work for it.
    template <typename Work>
    void start(int entry, Work&& work) {
        static_assert(std::is_same_v<std::invoke_result_t<std::decay_t<Work>&>, Result>,
                      "the work returns the results' Expected type");
        if (const auto old = work_.find(entry); old != work_.end())
            old->second.cancel();
        work_.insert_or_assign(
            entry, QtConcurrent::run(pool_, [work = std::forward<Work>(work)]() mutable {
                return core::withoutExceptions(work);
            }));
    }

    // Whether work for `entry` has been started and not yet taken.
    bool started(int entry) const { return work_.contains(entry); }
    // Whether the work for `entry` has finished and waits to be taken.
    bool ready(int entry) const {
        const auto found = work_.find(entry);
        return found != work_.end() && found->second.isFinished();
    }

    // The result of `entry` once its work has finished; nullopt while it
    // runs or when none was started. A result is handed out once.
    std::optional<Result> takeIfReady(int entry) {
        if (!ready(entry))
            return std::nullopt;
        return take(work_.find(entry));
    }

    // The result of `entry`, waiting for its work to finish (work still
    // queued runs on the calling thread); nullopt when none was started.
    std::optional<Result> waitAndTake(int entry) {
        const auto found = work_.find(entry);
        if (found == work_.end())
            return std::nullopt;
        found->second.waitForFinished();
        return take(found);
    }

    // Drops all work.
    void drop() {
        for (auto& [entry, work] : work_)
            work.cancel();
        work_.clear();
    }

private:
    using Work = QFuture<Result>;

    Result take(typename std::map<int, Work>::iterator found) {
        Result result = found->second.takeResult();
        work_.erase(found);
        return result;
    }

    const int depth_;
    QThreadPool* const pool_;
    std::map<int, Work> work_;
};
