#include "core/Error.h"

namespace core {

Error outOfMemory() {
    return {ErrorKind::OutOfMemory, QStringLiteral("メモリが足りません")};
}

Error unexpectedError() {
    return {ErrorKind::Unexpected, QStringLiteral("処理中に予期しないエラーが発生しました")};
}

}  // namespace core
