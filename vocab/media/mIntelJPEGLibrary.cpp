#include "vocab/media/mIntelJPEGLibrary.h"

#include "vocab/media/cDIBSection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cstdio>
#include <memory>
#include <turbojpeg.h>

namespace mIntelJPEGLibrary {
namespace {

// Creates a file of a new name beside path, as any new file is created (permissions from the
// umask).
bool createBeside(QFile &file, const QString &path) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        file.setFileName(path + QStringLiteral(".%1~").arg(QRandomGenerator::global()->generate(),
                                                           8, 16, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return true;
    }
    return false;
}

// Writes the bytes to a new file beside path and renames it over path, so the old file stays
// until the new one is complete. A file it replaces passes its times and permissions on.
QFileDevice::FileError replaceFile(const QString &path, const QByteArray &bytes) {
    const QFileInfo replaced(path);
    const bool existed = replaced.exists();
    const QDateTime accessed = replaced.lastRead();
    const QDateTime modified = replaced.lastModified();
    const QFile::Permissions permissions = replaced.permissions();

    QFile file;
    if (!createBeside(file, path)) return file.error();
    bool written = file.write(bytes) == bytes.size() && file.flush();
    if (written && existed)
        written = file.setFileTime(accessed, QFileDevice::FileAccessTime) &&
                  file.setFileTime(modified, QFileDevice::FileModificationTime) &&
                  file.setPermissions(permissions);
    file.close();
    if (written && std::rename(QFile::encodeName(file.fileName()).constData(),
                               QFile::encodeName(path).constData()) == 0)
        return QFileDevice::NoError;
    file.remove();
    return written ? QFileDevice::RenameError : QFileDevice::WriteError;
}

bool fail(Error *error, const QString &description, int code) {
    if (error)
        *error = {ErrorNumber, QCoreApplication::applicationName() + ".mIntelJPEGLibrary",
                  description + QString::number(code)};
    return false;
}

} // namespace

bool WriteJpegFile(const cDIBSection &surface, const QString &path, int quality, Error *error) {
    const std::unique_ptr<void, int (*)(tjhandle)> encoder(tjInitCompress(), &tjDestroy);
    if (!encoder) return fail(error, InitialiseFailed, -1);

    unsigned char *jpeg = nullptr;
    unsigned long jpegSize = 0;
    // Chroma subsampled 2 × 2, the form every player decodes.
    const int encoded = tjCompress2(encoder.get(), surface.DIBSectionBitsPtr(), surface.Width(),
                                    surface.BytesPerScanLine(), surface.Height(), TJPF_BGR, &jpeg,
                                    &jpegSize, TJSAMP_420, quality, TJFLAG_BOTTOMUP);
    const std::unique_ptr<unsigned char, void (*)(unsigned char *)> output(jpeg, &tjFree);
    if (encoded != 0) return fail(error, SaveFailed, encoded);

    const QFileDevice::FileError written =
        replaceFile(path, QByteArray::fromRawData(reinterpret_cast<const char *>(output.get()),
                                                  qsizetype(jpegSize)));
    if (written != QFileDevice::NoError) return fail(error, SaveFailed, written);
    return true;
}

} // namespace mIntelJPEGLibrary
