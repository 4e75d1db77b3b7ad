#include "vocab/library/VocadrillLayout.h"

#include "vocab/player/WordDisplay.h"

#include <algorithm>

namespace {

constexpr double Margin = 120;
constexpr double Gap = 120;
constexpr double RowGap = 60;
constexpr double TreeWidth = 3300;
constexpr double SliderHeight = 330;
constexpr double ClockWidth = 1155;
constexpr double ClockHeight = 255;
constexpr double RowHeight = 375;
constexpr double ButtonHeight = 420;
constexpr double LinkHeight = 300;
// Beyond this the word would outgrow a reader's glance; the block is centred instead.
constexpr double MaximumZoom = 2.25;

constexpr double BelowDisplay =
    Gap + SliderHeight + Gap + RowHeight + RowGap + RowHeight + Gap + ButtonHeight;
constexpr double LinkStrip = Gap + LinkHeight + Margin;

} // namespace

VocadrillLayout VocadrillLayout::forClient(double width, double height) {
    VocadrillLayout l;
    width = std::max(width, DesignWidth);
    height = std::max(height, DesignHeight);
    const double columnLeft = Margin + TreeWidth + Gap;
    const double columnWidth = width - columnLeft - Margin;
    const double blockRoom = height - Margin - LinkStrip;
    l.displayZoom = std::min({columnWidth / WordDisplay::Width,
                              (blockRoom - BelowDisplay) / WordDisplay::Height, MaximumZoom});

    // The display and the rows under it form one block, centred in the room beside the tree.
    const double blockWidth = WordDisplay::Width * l.displayZoom;
    const double blockHeight = WordDisplay::Height * l.displayZoom + BelowDisplay;
    const double left = columnLeft + (columnWidth - blockWidth) / 2;
    double top = Margin + (blockRoom - blockHeight) / 2;
    auto nextRow = [&](double gap, double rowHeight) {
        top += gap;
        const QRectF row(left, top, blockWidth, rowHeight);
        top += rowHeight;
        return row;
    };

    l.Picture2 = nextRow(0, WordDisplay::Height * l.displayZoom);
    const QRectF position = nextRow(Gap, SliderHeight);
    l.S1 = position.adjusted(0, 0, -(ClockWidth + Gap), 0);
    l.Label4 = QRectF(position.right() - ClockWidth,
                      position.top() + (SliderHeight - ClockHeight) / 2, ClockWidth, ClockHeight);
    l.rangeRow = nextRow(Gap, RowHeight);
    l.optionsRow = nextRow(RowGap, RowHeight);
    l.buttonRow = nextRow(Gap, ButtonHeight);

    l.Label3 = QRectF(Margin, height - Margin - LinkHeight, width - 2 * Margin, LinkHeight);
    l.T1 = QRectF(Margin, Margin, TreeWidth, l.Label3.top() - Gap - Margin);
    return l;
}
