#include "tools/dictgen/DictionaryFile.h"

#include "platform/TextCodec.h"

namespace DictionaryFile {
namespace {

bool encodesInGbk(const QString &text) {
    return TextCodec::fromGbk(TextCodec::toGbk(text)) == text;
}

bool fits(const GeneratedEntry &entry) {
    const auto holdsAny = [](const QString &part, const char *marks) {
        return std::any_of(marks, marks + qstrlen(marks),
                           [&part](char mark) { return part.contains(QLatin1Char(mark)); });
    };
    return !holdsAny(entry.headword, "$[") && !holdsAny(entry.notation, "$]") &&
           !holdsAny(entry.definition, "$") && encodesInGbk(entry.headword) &&
           encodesInGbk(entry.definition);
}

} // namespace

QString line(const std::vector<GeneratedEntry> &entries) {
    QString line;
    for (const GeneratedEntry &entry : entries)
        line += u'$' + entry.headword + u'[' + entry.notation + u']' + entry.definition;
    return line + u'$';
}

QByteArray bytes(const std::vector<GeneratedEntry> &entries) {
    return TextCodec::toGbk(line(entries) + QStringLiteral("\r\n"));
}

QStringList unfitEntries(const std::vector<GeneratedEntry> &entries) {
    QStringList unfit;
    for (const GeneratedEntry &entry : entries)
        if (!fits(entry)) unfit += entry.headword;
    return unfit;
}

} // namespace DictionaryFile
