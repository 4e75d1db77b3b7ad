#pragma once

// Numbers the RTF reader and writer share.
namespace RtfConstants {

// "\fsN" counts half-points.
constexpr double halfPointsPerPoint = 2.0;
// Chinese text: Windows code page 936 (GBK), font character set 134.
constexpr int gbkCodePage = 936;
constexpr int gbkCharset = 134;

} // namespace RtfConstants
