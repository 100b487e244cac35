#include "bookgen/ScanPlan.h"

#include "bookgen/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bookgen {

namespace {

// "p007.jpg": at least three digits, more when the count has more.
QString numberedName(int number, int count, ScanFormat format) {
    const int digits = std::max(3, static_cast<int>(QString::number(count).size()));
    const QString extension =
        format == ScanFormat::Bmp ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    return QStringLiteral("p%1").arg(number, digits, 10, QLatin1Char('0')) + extension;
}

constexpr std::uint64_t kDemoSeed = 2024;
const QSize kDemoSpread(1754, 1240);
const QSize kDemoPage(877, 1240);

}  // namespace

std::vector<ScanPlan> corpusPlan(int count, QSize spreadSize, std::uint64_t seed) {
    std::vector<ScanPlan> plans;
    for (int number = 1; number <= count; ++number) {
        ScanPlan plan;
        plan.fileName = numberedName(number, count, ScanFormat::ColourJpeg);
        plan.kind = ScanKind::Spread;
        plan.size = spreadSize;
        plan.firstPageNumber = 2 * number;
        plan.seed = Random::mix(seed, static_cast<std::uint64_t>(number));
        plans.push_back(plan);
    }
    return plans;
}

double foldAtMiddle(const ScanPlan& plan) {
    const double centre = plan.size.width() / 2.0;
    const double fold = centre + plan.foldOffset * plan.size.width();
    // The turned fold line crosses the middle row 1 / cos(skew) as far from
    // the centre as the fold lay.
    return centre + (fold - centre) / std::cos(plan.skew * std::numbers::pi / 180);
}

std::vector<ScanPlan> crookedCorpusPlan(int count, QSize spreadSize, std::uint64_t seed) {
    std::vector<ScanPlan> plans = corpusPlan(count, spreadSize, seed);
    for (ScanPlan& plan : plans) {
        // The layout's own seed stays as corpusPlan made it; the crooked
        // choices come from a stream of their own.
        Random random(Random::mix(plan.seed, 0x5eed));
        plan.skew = -5.0 + 10.0 * random.unit();
        plan.foldOffset = -0.15 + 0.3 * random.unit();
        const bool japanese = random.chance(1.0 / 3);
        const auto content = [&] {
            const double pick = random.unit();
            if (pick < 0.125) {
                return PageContent::Picture;
            }
            if (pick < 0.225) {
                return PageContent::Blank;
            }
            return japanese ? PageContent::VerticalText : PageContent::Text;
        };
        plan.leftPage = content();
        plan.rightPage = content();
    }
    return plans;
}

std::vector<ScanPlan> demoPlan() {
    constexpr int kScans = 24;
    std::vector<ScanPlan> plans;
    int nextPage = 2;  // the title page is page 1 and carries no number
    for (int number = 1; number <= kScans; ++number) {
        ScanPlan plan;
        plan.kind = ScanKind::Spread;
        plan.size = kDemoSpread;
        if (number == 1) {
            plan.kind = ScanKind::FrontCover;
        } else if (number == 2) {
            plan.kind = ScanKind::TitlePage;
        } else if (number == 21) {
            plan.kind = ScanKind::Plate;
            plan.format = ScanFormat::Bmp;
        } else if (number == kScans) {
            plan.kind = ScanKind::BackCover;
        } else {
            plan.firstPageNumber = nextPage;
            nextPage += 2;
        }
        if (plan.kind != ScanKind::Spread) {
            plan.size = kDemoPage;
        }
        if (number == 12) {
            plan.format = ScanFormat::GreyJpeg;
        }
        plan.fileName = numberedName(number, kScans, plan.format);
        plan.seed = Random::mix(kDemoSeed, static_cast<std::uint64_t>(number));
        plans.push_back(plan);
    }
    return plans;
}

}  // namespace bookgen
