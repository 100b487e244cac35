#pragma once

#include "core/Error.h"

#include <exception>
#include <new>
#include <type_traits>

namespace core {

// Runs `work`, which returns an Expected or a Status, and hands back its
// result, with any exception it throws turned into the error instead: Qt's
// containers and the standard library throw std::bad_alloc when memory
// runs out (outOfMemory()). Every task that runs on a worker thread goes
// through this, because QFuture would rethrow the exception on the thread
// that takes the result, inside an event handler, and end the program.
template <typename Work>
std::invoke_result_t<Work&> withoutExceptions(Work&& work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    } catch (...) {
        return unexpectedError();
    }
}

}  // namespace core
