#include "vocab/library/SpeedSetting.h"

#include "vocab/library/NumberText.h"

#include <cmath>

namespace SpeedSetting {

namespace {
constexpr double MaximumSeconds = 4.0;
}

QString correctedText(const QString &typed) {
    const double value = NumberText::leadingNumber(typed);
    const QString text = NumberText::shortestDecimal(value);
    return text == QLatin1String("0") || value > MaximumSeconds ? DefaultText : text;
}

std::optional<int> intervalMs(const QString &text) {
    const double milliseconds = std::nearbyint(NumberText::leadingNumber(text) * 1000);
    if (milliseconds < 1) return std::nullopt;
    return int(milliseconds);
}

} // namespace SpeedSetting
