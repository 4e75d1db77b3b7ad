#include "fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // Qt gets arguments of its own: the fuzzer's options are none of its business.
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: as a static object it would outlive Qt's own, which its destructor uses.
    static const QGuiApplication *const app = new QGuiApplication(argc, argv);
    Q_UNUSED(app);
    return 0;
}

namespace Fuzz {

QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

void require(bool holds, const char *property) {
    if (holds) return;
    std::fprintf(stderr, "Finding: it is not true that %s.\n", property);
    std::abort();
}

namespace {

// In memory where the system offers it: the targets write and sync files for every input.
QString scratchParent() {
    const QString memory = QStringLiteral("/dev/shm");
    return QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
}

} // namespace

const QString &scratchFolder() {
    static const QTemporaryDir folder(scratchParent() + QStringLiteral("/lumenfold-fuzz-XXXXXX"));
    static const QString path = folder.path();
    return path;
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
            "the scratch folder takes the input's file");
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace Fuzz
