#pragma once

#include <QFont>
#include <QString>

// The two font families the suite's texts ask for by their Windows names. Neither ships on
// Linux, so each is mapped to the closest fonts that do.
namespace Fonts {

inline const QString Song = QStringLiteral("宋体");   // Chinese text
inline const QString Arial = QStringLiteral("Arial"); // English text

// Registers the substitutions for Song and Arial with QFont; call once after the
// application object exists.
void installSubstitutions();

QFont font(const QString &family, double pointSize, bool bold = false);

} // namespace Fonts
