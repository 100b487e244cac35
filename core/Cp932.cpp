#include "core/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <string_view>

namespace {

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using Converter = std::unique_ptr<void, IconvCloser>;

Converter openConverter(const char* to, const char* from) {
    iconv_t handle = iconv_open(to, from);
    if (handle == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return Converter(handle);
}

}  // namespace

std::optional<QByteArray> encodeCp932(const QString& text) {
    const Converter converter = openConverter("CP932", "UTF-8");
    if (!converter)
        return std::nullopt;
    QByteArray input = text.toUtf8();
    QByteArray output(input.size() * 2 + 4, '\0');
    char* in = input.data();
    size_t inLeft = static_cast<size_t>(input.size());
    char* out = output.data();
    size_t outLeft = static_cast<size_t>(output.size());
    const size_t result =
        iconv(static_cast<iconv_t>(converter.get()), &in, &inLeft, &out, &outLeft);
    if (result == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    output.truncate(output.size() - static_cast<qsizetype>(outLeft));
    return output;
}

QString decodeCp932(const QByteArray& bytes) {
    const Converter converter = openConverter("UTF-8", "CP932");
    if (!converter)
        return QString::fromLatin1(bytes);
    QByteArray input = bytes;
    QByteArray output(input.size() * 4 + 4, '\0');
    char* in = input.data();
    size_t inLeft = static_cast<size_t>(input.size());
    char* out = output.data();
    size_t outLeft = static_cast<size_t>(output.size());
    while (inLeft > 0) {
        const size_t result =
            iconv(static_cast<iconv_t>(converter.get()), &in, &inLeft, &out, &outLeft);
        if (result != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // An invalid or cut-off sequence: mark it and go on with the next byte.
        static constexpr char kReplacement[] = "\xEF\xBF\xBD";
        if (outLeft < 3)
            break;
        for (char c : std::string_view(kReplacement, 3)) {
            *out++ = c;
        }
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    output.truncate(output.size() - static_cast<qsizetype>(outLeft));
    return QString::fromUtf8(output);
}
