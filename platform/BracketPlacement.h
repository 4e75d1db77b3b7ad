#pragma once

class QLabel;

// The brackets around a shown transcription stand close to it whatever its length: each label
// of "[", transcription, "]" begins a small gap after the label before it ends, on its own line
// height. Used by the reader's word popup and Vocadrill's word display.
namespace BracketPlacement {

// Moves label so that its left edge is gapTwips after the right edge of before.
void placeAfter(QLabel &label, const QLabel &before, double gapTwips);

} // namespace BracketPlacement
