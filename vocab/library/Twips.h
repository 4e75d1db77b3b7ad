#pragma once

#include <QtGlobal>

// Window geometry is written in twips; the screen has 15 twips to a pixel.
namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips) {
    return (twips + PerPixel / 2) / PerPixel;
}

} // namespace Twips
