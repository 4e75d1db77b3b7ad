#include "tests/reader/dictionary/DictionaryFiles.h"

#include "platform/TextCodec.h"

QString DictionaryFiles::write(const QString &entries) {
    TextCodec::writeGbkTextFile(path(), entries + QStringLiteral("\n"));
    return path();
}

QString DictionaryFiles::path() const {
    return m_dir.filePath(QStringLiteral("mswrd.wd"));
}
