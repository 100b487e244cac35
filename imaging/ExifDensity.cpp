#include "imaging/ExifDensity.h"

namespace imaging::detail {
namespace {

constexpr int kTiffStart = 6;  // after "Exif\0\0"
constexpr quint16 kXResolution = 0x011a;
constexpr quint16 kYResolution = 0x011b;
constexpr quint16 kResolutionUnit = 0x0128;
constexpr quint16 kRational = 5;
constexpr quint16 kShort = 3;

// Reads numbers of either byte order inside the TIFF structure, every
// offset relative to its start and checked against its end.
class TiffReader {
public:
    TiffReader(const QByteArray& data, bool bigEndian) : data_(data), bigEndian_(bigEndian) {}

    std::optional<quint32> number(qint64 at, int byteCount) const {
        if (at < 0 || at + byteCount > data_.size() - kTiffStart) {
            return std::nullopt;
        }
        quint32 value = 0;
        for (int i = 0; i < byteCount; ++i) {
            const int index = bigEndian_ ? i : byteCount - 1 - i;
            value = (value << 8) | static_cast<unsigned char>(
                                       data_[static_cast<qsizetype>(kTiffStart + at + index)]);
        }
        return value;
    }

private:
    const QByteArray& data_;
    const bool bigEndian_;
};

std::optional<double> rational(const TiffReader& tiff, qint64 entry) {
    const auto type = tiff.number(entry + 2, 2);
    const auto offset = tiff.number(entry + 8, 4);
    if (type != kRational || !offset) {
        return std::nullopt;
    }
    const auto numerator = tiff.number(*offset, 4);
    const auto denominator = tiff.number(qint64{*offset} + 4, 4);
    if (!numerator || !denominator || *numerator == 0 || *denominator == 0) {
        return std::nullopt;
    }
    return static_cast<double>(*numerator) / *denominator;
}

}  // namespace

std::optional<QPointF> exifDotsPerInch(const QByteArray& app1) {
    if (!app1.startsWith(QByteArrayLiteral("Exif\0\0")) || app1.size() < kTiffStart + 8) {
        return std::nullopt;
    }
    const QByteArray order = app1.mid(kTiffStart, 2);
    if (order != "II" && order != "MM") {
        return std::nullopt;
    }
    const TiffReader tiff(app1, order == "MM");
    const auto directory = tiff.number(4, 4);
    const auto count = directory ? tiff.number(*directory, 2) : std::nullopt;
    if (!count) {
        return std::nullopt;
    }
    std::optional<double> x;
    std::optional<double> y;
    quint32 unit = 2;  // inches
    for (quint32 i = 0; i < *count; ++i) {
        const qint64 entry = qint64{*directory} + 2 + 12 * qint64{i};
        const auto tag = tiff.number(entry, 2);
        if (!tag) {
            break;
        }
        if (*tag == kXResolution) {
            x = rational(tiff, entry);
        } else if (*tag == kYResolution) {
            y = rational(tiff, entry);
        } else if (*tag == kResolutionUnit && tiff.number(entry + 2, 2) == kShort) {
            unit = tiff.number(entry + 8, 2).value_or(0);
        }
    }
    if (!x || !y || (unit != 2 && unit != 3)) {
        return std::nullopt;  // unit 1: only an aspect ratio
    }
    const double perInch = unit == 3 ? 2.54 : 1.0;
    return QPointF(*x * perInch, *y * perInch);
}

}  // namespace imaging::detail
