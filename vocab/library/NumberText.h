#pragma once

#include <QString>
#include <optional>

// Numbers typed into text boxes.
namespace NumberText {

// The number the text starts with, after leading blanks ("12abc" is 12, "2.50" is 2.5);
// 0 for text that does not start with a number.
double leadingNumber(const QString &text);

// The whole text as a number rounded to a whole number (half to even), or nothing when the
// text is not a number or lies outside the int range.
std::optional<int> wholeNumber(const QString &text);

// The shortest decimal text of the value: 2.5 is "2.5", 2.0 is "2".
QString shortestDecimal(double value);

} // namespace NumberText
