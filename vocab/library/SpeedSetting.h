#pragma once

#include <QString>
#include <optional>

// The speed box: seconds per drill step, from "1.0" to "4.0". Typed text is rewritten as its
// number; nothing, zero or more than 4 falls back to the default.
namespace SpeedSetting {

inline const QString DefaultText = QStringLiteral("2.0");
constexpr int DefaultIntervalMs = 2000;

QString correctedText(const QString &typed);

// The step in milliseconds for the box's text; nothing for a step that is not positive
// (a negative value, or one too small to make a whole millisecond), which leaves the timers as
// they were.
std::optional<int> intervalMs(const QString &text);

} // namespace SpeedSetting
