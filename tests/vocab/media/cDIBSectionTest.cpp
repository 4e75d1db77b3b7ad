#include "vocab/media/cDIBSection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <array>
#include <gtest/gtest.h>
#include <set>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// A picture with a red top row, a blue bottom row and grey between.
QImage redTopBlueBottom(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    for (int x = 0; x < width; ++x) {
        picture.setPixelColor(x, 0, Red);
        picture.setPixelColor(x, height - 1, Blue);
    }
    return picture;
}

// The blue, green and red bytes of the pixel x of the memory row.
std::array<int, 3> bytesAt(const cDIBSection &surface, int x, int memoryRow) {
    const uchar *pixel =
        surface.DIBSectionBitsPtr() + memoryRow * surface.BytesPerScanLine() + x * 3;
    return {pixel[0], pixel[1], pixel[2]};
}

// A surface whose pixel (x, memory row y) holds blue = value(x, y), green and red 0.
std::unique_ptr<cDIBSection> blueSurface(int width, int height,
                                         const std::function<int(int, int)> &value) {
    auto surface = std::make_unique<cDIBSection>();
    EXPECT_TRUE(surface->Create(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            surface->DIBSectionBitsPtr()[y * surface->BytesPerScanLine() + x * 3] =
                uchar(value(x, y));
    return surface;
}

TEST(cDIBSectionTest, PicturesOfTheCardSizesGetPaddedRowsStoredBottomUpInBlueGreenRed) {
    cDIBSection surface;
    surface.CreateFromPicture(redTopBlueBottom(150, 110));
    EXPECT_EQ(surface.Width(), 150);
    EXPECT_EQ(surface.Height(), 110);
    EXPECT_EQ(surface.BytesPerScanLine(), 452);
    const std::array<int, 3> blue{255, 0, 0}, red{0, 0, 255};
    EXPECT_EQ(bytesAt(surface, 0, 0), blue);
    EXPECT_EQ(bytesAt(surface, 149, 0), blue);
    EXPECT_EQ(bytesAt(surface, 0, 109), red);
    EXPECT_EQ(bytesAt(surface, 149, 109), red);

    surface.CreateFromPicture(redTopBlueBottom(220, 161));
    EXPECT_EQ(surface.BytesPerScanLine(), 660);
    EXPECT_EQ(bytesAt(surface, 219, 0), blue);
    EXPECT_EQ(bytesAt(surface, 219, 160), red);
}

TEST(cDIBSectionTest, ItsPainterDrawsUprightPictures) {
    cDIBSection surface;
    ASSERT_TRUE(surface.Create(8, 4));
    surface.hdc()->fillRect(0, 0, 8, 1, Red); // the picture's top row
    EXPECT_EQ(bytesAt(surface, 3, 3), (std::array<int, 3>{0, 0, 255}));
    EXPECT_EQ(bytesAt(surface, 3, 0), (std::array<int, 3>{0, 0, 0}));
}

TEST(cDIBSectionTest, ClearUpEmptiesTheSurfaceButKeepsTheLastSize) {
    cDIBSection surface;
    ASSERT_TRUE(surface.Create(10, 5));
    surface.ClearUp();
    EXPECT_EQ(surface.hdc(), nullptr);
    EXPECT_EQ(surface.hDib(), nullptr);
    EXPECT_EQ(surface.DIBSectionBitsPtr(), nullptr);
    EXPECT_EQ(surface.Width(), 10);

    EXPECT_FALSE(surface.Create(0, 5));
    EXPECT_EQ(surface.hdc(), nullptr);
    EXPECT_EQ(surface.DIBSectionBitsPtr(), nullptr);
    EXPECT_EQ(surface.Width(), 0);
    surface.CreateFromPicture(QImage());
    EXPECT_EQ(surface.hDib(), nullptr);
}

TEST(cDIBSectionTest, RectanglesCopyInAndOutAtTheirPlaces) {
    QImage source(6, 6, QImage::Format_RGB32);
    source.fill(Qt::gray);
    source.setPixelColor(4, 5, Red);
    cDIBSection surface;
    ASSERT_TRUE(surface.Create(3, 3));
    surface.LoadPictureBlt(source, 3, 3);
    EXPECT_EQ(bytesAt(surface, 1, 0), (std::array<int, 3>{0, 0, 255})); // (1, 2) upright

    QImage target(5, 5, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    surface.PaintPicture(painter, 2, 1, 2, -1, 1, 0);
    painter.end();
    EXPECT_EQ(target.pixelColor(2, 3), Red);
    EXPECT_EQ(target.pixelColor(3, 3), QColor(Qt::gray));
    EXPECT_EQ(target.pixelColor(4, 3), QColor(Qt::black)); // only two columns copied
}

TEST(cDIBSectionTest, ResampleInterpolatesDownTheRowsThenAcrossTheColumns) {
    // Blue rises by 50 a column and by 30 a row.
    const auto source = blueSurface(4, 3, [](int x, int y) { return x * 50 + y * 30; });
    const std::unique_ptr<cDIBSection> resampled = source->Resample(4, 2);
    ASSERT_NE(resampled, nullptr);
    EXPECT_EQ(resampled->Width(), 2);
    EXPECT_EQ(resampled->Height(), 4);
    // x scale 3 / 2, y scale 2 / 4: the source positions are x 0 and 1.5, y 0, 0.5, 1, 1.5.
    const int expected[4][2] = {{0, 75}, {15, 90}, {30, 105}, {45, 120}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(bytesAt(*resampled, x, y)[0], expected[y][x]) << x << "," << y;

    const auto same = source->Resample(3, 4);
    EXPECT_EQ(bytesAt(*same, 3, 2)[0], 3 * 50 + 2 * 30);
    EXPECT_EQ(source->Resample(0, 2), nullptr);
    EXPECT_EQ(cDIBSection().Resample(2, 2), nullptr);
}

TEST(cDIBSectionTest, ResampleRoundsHalvesToEven) {
    // Column 0 holds 0 and 5 in its first rows, the others 7. At y 0.5, 2.5 becomes 2; across
    // to 7 at x 0.5, (2 + 7) / 2 = 4.5 becomes 4.
    const auto source = blueSurface(3, 3, [](int x, int y) { return x == 0 ? y * 5 : 7; });
    const auto resampled = source->Resample(4, 4);
    EXPECT_EQ(bytesAt(*resampled, 0, 1)[0], 2);
    EXPECT_EQ(bytesAt(*resampled, 1, 1)[0], 4);
}

TEST(cDIBSectionTest, RandomiseBitsMakesGreyNoiseOrGreenAndRedOverNoBlue) {
    cDIBSection surface;
    ASSERT_TRUE(surface.Create(40, 30));
    surface.RandomiseBits(true);
    std::set<int> greys;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const auto bgr = bytesAt(surface, x, y);
            EXPECT_TRUE(bgr[0] == bgr[1] && bgr[1] == bgr[2]);
            greys.insert(bgr[0]);
        }
    EXPECT_GT(greys.size(), 100u);

    surface.RandomiseBits(false);
    int differing = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const auto bgr = bytesAt(surface, x, y);
            EXPECT_EQ(bgr[0], 0);
            differing += bgr[1] != bgr[2];
        }
    EXPECT_GT(differing, 1000);
}

TEST(cDIBSectionTest, CopyToClipboardPutsTheUprightPictureThereButRefusesADib) {
    QStringList messages;
    const auto keep = cDIBSection::showMessage;
    cDIBSection::showMessage = [&](const QString &text) { messages << text; };
    cDIBSection surface;
    surface.CreateFromPicture(redTopBlueBottom(12, 7));

    EXPECT_FALSE(surface.CopyToClipboard(true));
    EXPECT_EQ(
        messages,
        QStringList{"I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!"});

    ASSERT_TRUE(surface.CopyToClipboard(false));
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(12, 7));
    EXPECT_EQ(copied.pixelColor(5, 0), Red);
    EXPECT_EQ(copied.pixelColor(5, 6), Blue);
    cDIBSection::showMessage = keep;
}

} // namespace
