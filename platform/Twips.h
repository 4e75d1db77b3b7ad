#pragma once

#include <QRect>
#include <QRectF>
#include <QSizeF>

// Geometry is designed in twips (1/1440 inch) and shown at 96 dpi: 15 twips to a pixel.
namespace Twips {

constexpr double PerPixel = 15.0;

double fromPixels(int pixels);
QPointF fromPixels(QPointF pixels);
QSizeF fromPixels(QSize pixels);
QRectF fromPixels(const QRect &pixels);
int toPixels(double twips);
// Negative sizes become empty.
QRect toPixels(const QRectF &twips);

} // namespace Twips
