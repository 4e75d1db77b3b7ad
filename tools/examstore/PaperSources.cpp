#include "tools/examstore/PaperSources.h"

#include "platform/Paths.h"
#include "reader/PaperCatalog.h"

#include <QDir>
#include <QFile>

namespace PaperSources {

namespace {

QStringList placeholderTexts() {
    const QString chinese = QStringLiteral("本部分的内容正在整理中。");
    return {QStringLiteral("The text of this part is being prepared."), chinese, chinese, chinese};
}

QString readText(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

Part readPart(const QString &root, const QString &key, const QString &folder, QStringList &errors) {
    Part part{key, folder, {}, false};
    for (const QString &column : Columns) {
        const QString relative = Paths::join(folder, column + ".txt");
        const QString path = Paths::join(root, relative);
        const QString text = readText(path);
        if (!QFile::exists(path))
            errors << QStringLiteral("missing: %1").arg(relative);
        else if (text.trimmed().isEmpty())
            errors << QStringLiteral("empty: %1").arg(relative);
        part.texts << text;
    }
    return part;
}

} // namespace

Result readAll(const QString &root, bool allowPlaceholders) {
    Result result;
    for (const PaperCatalog::Year &year : PaperCatalog::years()) {
        for (const QString &partCaption : year.parts) {
            const QString key = PaperCatalog::partKey(year.caption, partCaption);
            const QString folder = Paths::join(QString::number(year.year), partCaption);
            if (allowPlaceholders && !QDir(Paths::join(root, folder)).exists())
                result.parts.push_back({key, folder, placeholderTexts(), true});
            else
                result.parts.push_back(readPart(root, key, folder, result.errors));
        }
    }
    return result;
}

} // namespace PaperSources
