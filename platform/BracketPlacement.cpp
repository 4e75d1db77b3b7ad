#include "platform/BracketPlacement.h"

#include "platform/Twips.h"

#include <QLabel>

namespace BracketPlacement {

void placeAfter(QLabel &label, const QLabel &before, double gapTwips) {
    label.move(before.x() + before.width() + Twips::toPixels(gapTwips), label.y());
}

} // namespace BracketPlacement
