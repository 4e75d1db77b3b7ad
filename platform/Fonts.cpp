#include "platform/Fonts.h"

#include <QFont>
#include <QStringList>

namespace Fonts {

void installSubstitutions() {
    QFont::insertSubstitutions(
        Song, {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
               QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(Arial,
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont font(const QString &family, double pointSize, bool bold) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace Fonts
