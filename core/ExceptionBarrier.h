#pragma once

#include "core/Error.h"

#include <exception>
#include <new>
#include <type_traits>

namespace core {

inline Error outOfMemory() {
    return Error{QStringLiteral("メモリが足りません")};
}

// Runs `work`, which returns an Expected or a Status, and hands back its
// result, with any exception it throws turned into the error instead: Qt's
// containers and the standard library throw std::bad_alloc when memory
// runs out ("メモリが足りません"). Every task that runs on a worker thread
// goes through this, because QFuture would rethrow the exception on the
// thread that takes the result, inside an event handler, and end the
// program. The error messages are built without allocating.
template <typename Work>
std::invoke_result_t<Work&> withoutExceptions(Work&& work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    } catch (...) {
        return Error{QStringLiteral("処理中に予期しないエラーが発生しました")};
    }
}

}  // namespace core
