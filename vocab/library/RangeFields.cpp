#include "vocab/library/RangeFields.h"

#include "vocab/library/NumberText.h"

namespace RangeFields {

QString correctedStart(const QString &text, int listWordCount) {
    if (text.isEmpty()) return text;
    const double value = NumberText::leadingNumber(text);
    return value == 0 || value >= listWordCount ? QStringLiteral("1") : text;
}

QString correctedEnd(const QString &text, int listWordCount) {
    if (text.isEmpty()) return text;
    const double value = NumberText::leadingNumber(text);
    return value == 0 || value > listWordCount ? QString::number(listWordCount) : text;
}

} // namespace RangeFields
