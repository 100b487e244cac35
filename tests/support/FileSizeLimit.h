#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace testing_support {

// Lowers this process's file size limit for the guard's lifetime, with
// SIGXFSZ ignored: a write that would take a file past `bytes` fails with
// EFBIG, as a write onto a full disk fails with ENOSPC, and no root is
// needed. Files already larger can still be read.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previousLimit_{};
    struct sigaction previousAction_ {};
};

}  // namespace testing_support
