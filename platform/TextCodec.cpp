#include "platform/TextCodec.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <iconv.h>

namespace TextCodec {
namespace {

// Converts with iconv, replacing what the target cannot hold (or the source does not
// decode) by replacement and going on with the next input character.
QByteArray convert(const char *to, const char *from, const QByteArray &input,
                   const QByteArray &replacement, int unitSize) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    QByteArray output;
    QByteArray chunk(4096, Qt::Uninitialized);
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = size_t(input.size());
    while (inLeft > 0) {
        char *out = chunk.data();
        size_t outLeft = size_t(chunk.size());
        size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(chunk.constData(), chunk.size() - qsizetype(outLeft));
        if (result != size_t(-1) || errno == E2BIG) continue;
        output.append(replacement); // EILSEQ or EINVAL: skip one input unit
        size_t skip = std::min(inLeft, size_t(unitSize));
        in += skip;
        inLeft -= skip;
    }
    iconv_close(cd);
    return output;
}

bool replaceFile(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

} // namespace

QByteArray toGbk(const QString &text) {
    QByteArray utf32;
    const QList<uint> codePoints = text.toUcs4();
    utf32.resize(codePoints.size() * 4);
    std::memcpy(utf32.data(), codePoints.constData(), size_t(utf32.size()));
    return convert("GBK", "UTF-32LE", utf32, "?", 4);
}

QString fromGbk(const QByteArray &bytes) {
    return QString::fromUtf8(convert("UTF-8", "GBK", bytes, "\xEF\xBF\xBD", 1));
}

QString withCrLf(const QString &text) {
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '\r') {
            result += "\r\n";
            if (i + 1 < text.size() && text.at(i + 1) == '\n') ++i;
        } else if (c == '\n') {
            result += "\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

bool writeGbkTextFile(const QString &path, const QString &text) {
    return replaceFile(path, toGbk(withCrLf(text)));
}

bool writeUtf8TextFile(const QString &path, const QString &text) {
    return replaceFile(path, text.toUtf8());
}

QString readGbkTextFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return fromGbk(file.readAll());
}

} // namespace TextCodec
