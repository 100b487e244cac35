#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

namespace testing_support {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    EXPECT_EQ(::sigaction(SIGXFSZ, &ignore, &previousAction_), 0);
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit_), 0);
    rlimit lowered = previousLimit_;
    lowered.rlim_cur = bytes;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
}

FileSizeLimit::~FileSizeLimit() {
    // Only the soft limit was lowered: raising it back needs no privilege.
    ::setrlimit(RLIMIT_FSIZE, &previousLimit_);
    ::sigaction(SIGXFSZ, &previousAction_, nullptr);
}

}  // namespace testing_support
