#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <memory>

// An off-screen 24-bit picture whose pixel memory is addressed directly: blue, green, red per
// pixel, every row padded to a multiple of 4 bytes, rows stored bottom-up (the first row in
// memory is the bottom row of the picture). The painter hdc() draws upright pictures straight
// into that memory and the JPEG writer reads the same memory, so no pixel is copied between
// drawing and encoding. Either the surface holds a picture (hdc, hDib and DIBSectionBitsPtr all
// set) or it is empty (all null); every creation empties it first, so one object serves any
// number of pictures.
class cDIBSection {
public:
    // The raster operation every caller passes: the source replaces the target.
    static constexpr QPainter::CompositionMode SRCCOPY = QPainter::CompositionMode_Source;
    static inline const QString DibClipboardMessage =
        QStringLiteral("I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!");

    cDIBSection() = default;
    cDIBSection(const cDIBSection &) = delete;
    cDIBSection &operator=(const cDIBSection &) = delete;

    // The message box CopyToClipboard shows; tests replace it.
    static std::function<void(const QString &text)> showMessage;

    // As a DIB: shows DibClipboardMessage and answers false. Otherwise puts the picture on the
    // clipboard as an ordinary image; true when the clipboard holds it.
    bool CopyToClipboard(bool bAsDIB);
    // Empties the surface, records the size in the header and allocates zeroed pixel memory;
    // true when the memory came back. Create adds the painter that makes the surface usable.
    bool CreateDIB(int lWidth, int lHeight);
    // Makes the surface the size of the picture and copies the picture into it; a surface that
    // cannot be made stays empty.
    void CreateFromPicture(const QImage &picThis);
    // Empties the surface, then makes a picture of the size with its painter.
    bool Create(int lWidth, int lHeight);

    int BytesPerScanLine() const;
    // The size of the last CreateDIB, kept after ClearUp and after a failed creation.
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Copies a rectangle of lhDC at (lSrcLeft, lSrcTop) into the surface at (0, 0); a negative
    // width or height stands for the surface's own.
    void LoadPictureBlt(const QImage &lhDC, int lSrcLeft = 0, int lSrcTop = 0, int lSrcWidth = -1,
                        int lSrcHeight = -1, QPainter::CompositionMode eRop = SRCCOPY);
    // The reverse: the surface from (lSrcLeft, lSrcTop) onto lhDC at (lDestLeft, lDestTop).
    void PaintPicture(QPainter &lhDC, int lDestLeft = 0, int lDestTop = 0, int lDestWidth = -1,
                      int lDestHeight = -1, int lSrcLeft = 0, int lSrcTop = 0,
                      QPainter::CompositionMode eRop = SRCCOPY) const;

    // The painter over the picture, in the picture's upright coordinates (its viewport turns
    // them over onto the bottom-up rows).
    QPainter *hdc() const { return m_dc.get(); }
    // The pixel memory as an image, rows in memory order (bottom row first).
    const QImage *hDib() const { return m_dib.isNull() ? nullptr : &m_dib; }
    uchar *DIBSectionBitsPtr() { return m_bits.get(); }
    const uchar *DIBSectionBitsPtr() const { return m_bits.get(); }

    // Fills every pixel with random values, seeded from the time of day: one grey value per
    // pixel with bGray, otherwise random green and red over no blue.
    void RandomiseBits(bool bGray);
    void ClearUp();
    // A new surface of the size, filled by bilinear interpolation (a plain copy at the same
    // size); nothing when this one is empty or the new one cannot be made.
    std::unique_ptr<cDIBSection> Resample(int lNewHeight, int lNewWidth) const;

private:
    uchar *pixel(int x, int memoryRow) const;
    QImage upright() const;
    QSize sizeOr(int width, int height) const;

    int m_width = 0;
    int m_height = 0;
    // Destroyed in reverse order: the painter ends before the memory it paints goes.
    std::unique_ptr<uchar[]> m_bits;
    QImage m_dib;
    std::unique_ptr<QPainter> m_dc;
};
