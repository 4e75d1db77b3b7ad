#include "vocab/library/NumberText.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace NumberText {

double leadingNumber(const QString &text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

std::optional<int> wholeNumber(const QString &text) {
    bool ok = false;
    const double value = std::nearbyint(text.trimmed().toDouble(&ok));
    if (!ok || !std::isfinite(value) || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

QString shortestDecimal(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace NumberText
