#include "vocab/media/mIntelJPEGLibrary.h"

#include "support/TestFiles.h"
#include "vocab/media/cDIBSection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using mIntelJPEGLibrary::WriteJpegFile;

// Red, green, blue and white quarters: top left, top right, bottom left, bottom right.
QImage quarters(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    const int w = width / 2, h = height / 2;
    painter.fillRect(0, 0, w, h, QColor(255, 0, 0));
    painter.fillRect(w, 0, width - w, h, QColor(0, 255, 0));
    painter.fillRect(0, h, w, height - h, QColor(0, 0, 255));
    painter.fillRect(w, h, width - w, height - h, QColor(255, 255, 255));
    return picture;
}

bool near(const QColor &seen, const QColor &expected) {
    const int tolerance = 12;
    return std::abs(seen.red() - expected.red()) <= tolerance &&
           std::abs(seen.green() - expected.green()) <= tolerance &&
           std::abs(seen.blue() - expected.blue()) <= tolerance;
}

void setModified(const QString &path, const QDateTime &time) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

class mIntelJPEGLibraryTest : public ::testing::Test {
protected:
    QStringList filesInFolder() const { return QDir(dir.path()).entryList(QDir::Files); }

    QTemporaryDir dir;
    QString card = dir.filePath("0007.jpg");
};

TEST_F(mIntelJPEGLibraryTest, CardsOfBothSizesDecodeToTheirSizeAndColours) {
    for (const QSize size : {QSize(150, 110), QSize(220, 161)}) {
        cDIBSection surface;
        surface.CreateFromPicture(quarters(size.width(), size.height()));
        ASSERT_TRUE(WriteJpegFile(surface, card, 90));

        const QImage decoded(card);
        ASSERT_EQ(decoded.size(), size);
        const int right = size.width() * 3 / 4, bottom = size.height() * 3 / 4;
        EXPECT_TRUE(near(decoded.pixelColor(size.width() / 4, size.height() / 4), Qt::red));
        EXPECT_TRUE(near(decoded.pixelColor(right, size.height() / 4), Qt::green));
        EXPECT_TRUE(near(decoded.pixelColor(size.width() / 4, bottom), Qt::blue));
        EXPECT_TRUE(near(decoded.pixelColor(right, bottom), Qt::white));
    }
}

TEST_F(mIntelJPEGLibraryTest, AReplacedCardKeepsItsTimesAndPermissions) {
    writeFile(card, "old card");
    const QDateTime modified = QDateTime::fromString("2001-02-03T04:05:06Z", Qt::ISODate);
    setModified(card, modified);
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                           QFile::WriteUser | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(card, permissions));

    cDIBSection surface;
    surface.CreateFromPicture(quarters(150, 110));
    ASSERT_TRUE(WriteJpegFile(surface, card, 90));

    EXPECT_TRUE(readFile(card).startsWith("\xFF\xD8"));
    EXPECT_EQ(QFileInfo(card).lastModified(), modified);
    EXPECT_EQ(QFileInfo(card).permissions(), permissions);
    EXPECT_EQ(filesInFolder(), QStringList{"0007.jpg"});
}

TEST_F(mIntelJPEGLibraryTest, AFailedWriteKeepsTheOldCardAndReportsWhy) {
    writeFile(card, "old card");
    cDIBSection empty;
    mIntelJPEGLibrary::Error error;

    EXPECT_FALSE(WriteJpegFile(empty, card, 90, &error));

    EXPECT_EQ(error.number, 26001);
    EXPECT_TRUE(error.source.endsWith(".mIntelJPEGLibrary"));
    EXPECT_EQ(error.description, "Failed to save to JPG -1");
    EXPECT_EQ(readFile(card), "old card");
    EXPECT_EQ(filesInFolder(), QStringList{"0007.jpg"});
}

TEST_F(mIntelJPEGLibraryTest, AMissingFolderWritesNothing) {
    cDIBSection surface;
    surface.CreateFromPicture(quarters(150, 110));
    mIntelJPEGLibrary::Error error;

    EXPECT_FALSE(WriteJpegFile(surface, dir.filePath("missing/0001.jpg"), 90, &error));

    EXPECT_TRUE(error.description.startsWith("Failed to save to JPG "));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
