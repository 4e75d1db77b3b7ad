#include "vocab/media/cDIBSection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <random>

namespace {

constexpr int BytesPerPixel = 3;
constexpr qint64 LargestPictureBytes = qint64(1) << 30;

qint64 strideOf(int width) {
    return (qint64(width) * BytesPerPixel + 3) & ~qint64(3);
}

// One channel at (x, y) of a picture between four neighbours: first down the two columns,
// each rounded, then across them; halves round to even.
uchar interpolate(float topLeft, float bottomLeft, float topRight, float bottomRight, float fx,
                  float fy) {
    const float left = std::nearbyint(topLeft * (1 - fy) + bottomLeft * fy);
    const float right = std::nearbyint(topRight * (1 - fy) + bottomRight * fy);
    return uchar(std::clamp(std::nearbyint(left * (1 - fx) + right * fx), 0.0f, 255.0f));
}

} // namespace

std::function<void(const QString &text)> cDIBSection::showMessage = [](const QString &text) {
    QMessageBox::information(nullptr, QString(), text, QMessageBox::Ok);
};

bool cDIBSection::CopyToClipboard(bool bAsDIB) {
    if (bAsDIB) {
        showMessage(DibClipboardMessage);
        return false;
    }
    if (!m_dc) return false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(upright());
    return !clipboard->image().isNull();
}

bool cDIBSection::CreateDIB(int lWidth, int lHeight) {
    ClearUp();
    m_width = lWidth;
    m_height = lHeight;
    const qint64 size = strideOf(lWidth) * lHeight;
    if (lWidth <= 0 || lHeight <= 0 || size > LargestPictureBytes) return false;
    m_bits.reset(new (std::nothrow) uchar[size_t(size)]());
    if (!m_bits) return false;
    m_dib = QImage(m_bits.get(), lWidth, lHeight, BytesPerScanLine(), QImage::Format_BGR888);
    return true;
}

void cDIBSection::CreateFromPicture(const QImage &picThis) {
    if (Create(picThis.width(), picThis.height())) LoadPictureBlt(picThis);
}

bool cDIBSection::Create(int lWidth, int lHeight) {
    if (!CreateDIB(lWidth, lHeight)) return false;
    m_dc = std::make_unique<QPainter>();
    if (!m_dc->begin(&m_dib)) {
        ClearUp();
        return false;
    }
    // Picture row 0 is the last row in memory.
    m_dc->setWindow(0, 0, lWidth, lHeight);
    m_dc->setViewport(0, lHeight, lWidth, -lHeight);
    return true;
}

int cDIBSection::BytesPerScanLine() const {
    return int(strideOf(m_width));
}

void cDIBSection::LoadPictureBlt(const QImage &lhDC, int lSrcLeft, int lSrcTop, int lSrcWidth,
                                 int lSrcHeight, QPainter::CompositionMode eRop) {
    if (!m_dc) return;
    m_dc->setCompositionMode(eRop);
    m_dc->drawImage(QPoint(0, 0), lhDC,
                    QRect(QPoint(lSrcLeft, lSrcTop), sizeOr(lSrcWidth, lSrcHeight)));
}

void cDIBSection::PaintPicture(QPainter &lhDC, int lDestLeft, int lDestTop, int lDestWidth,
                               int lDestHeight, int lSrcLeft, int lSrcTop,
                               QPainter::CompositionMode eRop) const {
    if (!m_dc) return;
    lhDC.save();
    lhDC.setCompositionMode(eRop);
    lhDC.drawImage(QPoint(lDestLeft, lDestTop), upright(),
                   QRect(QPoint(lSrcLeft, lSrcTop), sizeOr(lDestWidth, lDestHeight)));
    lhDC.restore();
}

void cDIBSection::RandomiseBits(bool bGray) {
    if (!m_bits) return;
    std::mt19937 random(unsigned(QTime::currentTime().msecsSinceStartOfDay()));
    std::uniform_int_distribution<int> value(0, 255);
    for (int row = 0; row < m_height; ++row) {
        for (int x = 0; x < m_width; ++x) {
            uchar *bgr = pixel(x, row);
            if (bGray) {
                bgr[0] = bgr[1] = bgr[2] = uchar(value(random));
            } else {
                bgr[0] = 0;
                bgr[1] = uchar(value(random));
                bgr[2] = uchar(value(random));
            }
        }
    }
}

void cDIBSection::ClearUp() {
    m_dc.reset();
    m_dib = QImage();
    m_bits.reset();
}

std::unique_ptr<cDIBSection> cDIBSection::Resample(int lNewHeight, int lNewWidth) const {
    if (!m_bits) return nullptr;
    auto resampled = std::make_unique<cDIBSection>();
    if (!resampled->Create(lNewWidth, lNewHeight)) return nullptr;
    if (lNewWidth == m_width && lNewHeight == m_height) {
        std::memcpy(resampled->m_bits.get(), m_bits.get(), size_t(BytesPerScanLine()) * m_height);
        return resampled;
    }
    // Positions count in memory order, from the first row in memory.
    const float xScale = float(m_width - 1) / float(lNewWidth);
    const float yScale = float(m_height - 1) / float(lNewHeight);
    for (int y = 0; y < lNewHeight; ++y) {
        const float sourceY = float(y) * yScale;
        const int y0 = int(sourceY);
        const int y1 = std::min(y0 + 1, m_height - 1);
        const float fy = sourceY - float(y0);
        for (int x = 0; x < lNewWidth; ++x) {
            const float sourceX = float(x) * xScale;
            const int x0 = int(sourceX);
            const int x1 = std::min(x0 + 1, m_width - 1);
            const float fx = sourceX - float(x0);
            uchar *target = resampled->pixel(x, y);
            for (int channel = 0; channel < BytesPerPixel; ++channel)
                target[channel] =
                    interpolate(pixel(x0, y0)[channel], pixel(x0, y1)[channel],
                                pixel(x1, y0)[channel], pixel(x1, y1)[channel], fx, fy);
        }
    }
    return resampled;
}

uchar *cDIBSection::pixel(int x, int memoryRow) const {
    return m_bits.get() + qint64(memoryRow) * BytesPerScanLine() + qint64(x) * BytesPerPixel;
}

QImage cDIBSection::upright() const {
    return m_dib.mirrored(false, true);
}

QSize cDIBSection::sizeOr(int width, int height) const {
    return {width < 0 ? m_width : width, height < 0 ? m_height : height};
}
