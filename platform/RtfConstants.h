#pragma once

// Numbers the RTF reader and writer share.
namespace RtfConstants {

// Indents are in twips; the panes lay out at 96 dpi, where a pixel is 15 twips.
constexpr double twipsPerPixel = 15.0;
// "\fsN" counts half-points.
constexpr double halfPointsPerPoint = 2.0;
// Chinese text: Windows code page 936 (GBK), font character set 134.
constexpr int gbkCodePage = 936;
constexpr int gbkCharset = 134;

} // namespace RtfConstants
