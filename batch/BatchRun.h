#pragma once

#include "batch/BatchConsole.h"
#include "batch/BatchRequest.h"

#include <atomic>

class QThreadPool;

namespace batch {

// The exit status of a run.
enum ExitStatus : int {
    kNothingFailed = 0,
    kSomeFailed = 1,
    kBadArguments = 2,
    kInterrupted = 130,  // as a shell reports a run ended by Ctrl+C
};

// Runs the split batch the request describes on the split dialog's engine:
// the same items, outputs, names and safety rules (no source file is ever
// replaced, every output is written through a temporary file and a rename,
// every failure is reported and counted). `interrupted` is polled
// between files and every few milliseconds while an image is in work; once
// set, the images in work are dropped and nothing more is written, so the
// run returns at once. The images are worked on in `workers`, which it
// sets to request.jobs threads: a caller that is interrupted need not wait
// for their images to end before it ends the process.
int runBatch(const BatchRequest& request, BatchConsole& console,
             const std::atomic<bool>& interrupted, QThreadPool& workers);

}  // namespace batch
