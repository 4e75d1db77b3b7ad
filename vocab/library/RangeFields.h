#pragma once

#include <QString>

// The corrections the range fields "选词" (start) and "至" (end) make on every change, so that
// a typed number stays between 1 and the list's word count. Only the start may not equal the
// word count. An empty field stays empty: that is reported when the range is applied.
namespace RangeFields {

// 0, or a number at or above the word count, becomes "1".
QString correctedStart(const QString &text, int listWordCount);
// 0, or a number above the word count, becomes the word count.
QString correctedEnd(const QString &text, int listWordCount);

} // namespace RangeFields
