#pragma once

#include <QString>

class cDIBSection;

// Writes the picture of a bitmap surface as a JPEG file.
namespace mIntelJPEGLibrary {

constexpr int ErrorNumber = 26001;
inline const QString InitialiseFailed = QStringLiteral("Failed to initialise the IJL library: ");
inline const QString SaveFailed = QStringLiteral("Failed to save to JPG ");

// What a failed write reports: ErrorNumber, "<program>.mIntelJPEGLibrary" and one of the two
// descriptions above followed by the failing code.
struct Error {
    int number = 0;
    QString source;
    QString description;
};

// Encodes the surface (blue-green-red rows, bottom-up) at the quality (1 to 100) into a JPEG
// file at path. The file is written beside the target and renamed over it, so a failed write
// leaves an existing file as it was; a replaced file keeps its access and modification times
// and its permissions. False, with error filled when given, on any failure, also for an empty
// surface.
bool WriteJpegFile(const cDIBSection &surface, const QString &path, int quality,
                   Error *error = nullptr);

} // namespace mIntelJPEGLibrary
