#include "platform/Twips.h"

#include <QtMath>
#include <algorithm>

namespace Twips {

double fromPixels(int pixels) {
    return pixels * PerPixel;
}

QPointF fromPixels(QPointF pixels) {
    return pixels * PerPixel;
}

QSizeF fromPixels(QSize pixels) {
    return QSizeF(pixels) * PerPixel;
}

QRectF fromPixels(const QRect &pixels) {
    return {fromPixels(pixels.topLeft()), fromPixels(pixels.size())};
}

int toPixels(double twips) {
    return qRound(twips / PerPixel);
}

QRect toPixels(const QRectF &twips) {
    return QRect(toPixels(twips.left()), toPixels(twips.top()),
                 std::max(0, toPixels(twips.width())), std::max(0, toPixels(twips.height())));
}

} // namespace Twips
