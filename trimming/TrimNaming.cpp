#include "trimming/TrimNaming.h"

namespace trimming {

TrimNaming nextNaming(TrimNaming naming) {
    switch (naming) {
        case TrimNaming::Plain:
            return TrimNaming::First;
        case TrimNaming::First:
            return TrimNaming::Second;
        case TrimNaming::Second:
            return TrimNaming::Plain;
    }
    return TrimNaming::Plain;
}

QString namingSuffix(TrimNaming naming) {
    switch (naming) {
        case TrimNaming::Plain:
            return QStringLiteral(".bmp");
        case TrimNaming::First:
            return QStringLiteral("_1.bmp");
        case TrimNaming::Second:
            return QStringLiteral("_2.bmp");
    }
    return QStringLiteral(".bmp");
}

}  // namespace trimming
