#pragma once

#include <QString>

// The marker file in the system folder whose presence keeps the tips window from opening at
// start-up. Failures to write or delete it are ignored: the tips then keep opening, or stay
// suppressed.
namespace TipsMarker {

QString path(const QString &systemFolder);
bool exists(const QString &systemFolder);
// Creates or overwrites the marker with the current date and time as one line.
void write(const QString &systemFolder);
void remove(const QString &systemFolder);

} // namespace TipsMarker
