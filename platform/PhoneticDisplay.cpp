#include "platform/PhoneticDisplay.h"

#include <QHash>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// What the phonetic font draws for each code that does not stand for itself. An empty string
// marks a code the font draws nothing for.
const QHash<QChar, QString> &displayTable() {
    static const QHash<QChar, QString> table = {
        {'A', u"æ"_s},       {'B', u"ɑ"_s},    {'C', u"ɔ"_s},       {'D', u"ɑ\u0303"_s},
        {'E', u"ə"_s},       {'F', u"ʃ"_s},    {'G', u"ɣ"_s},       {'H', u"ɥ"_s},
        {'I', u"ɪ"_s},       {'J', u"ʊ"_s},    {'K', u"ʏ"_s},       {'L', u"ɚ"_s},
        {'M', u"ɲ"_s},       {'N', u"ŋ"_s},    {'O', u"œ"_s},       {'P', u"ɵ"_s},
        {'Q', u"ʌ"_s},       {'R', u"ɔ"_s},    {'S', u"ɔ\u0303"_s}, {'T', u"ð"_s},
        {'U', u"u"_s},       {'V', u"ʒ"_s},    {'W', u"θ"_s},       {'X', u"ø"_s},
        {'Y', u"ɛ\u0303"_s}, {'Z', u"ɛ"_s},    {'[', u"ə"_s},       {'\\', u"ɜ"_s},
        {']', u"ç"_s},       {'^', u"ɡ"_s},    {'_', u"ˇ"_s},       {'`', u"ˋ"_s},
        {'5', u"ˈ"_s},       {'7', u"ˌ"_s},    {'9', u"ˌ"_s},       {':', u"ː"_s},
        {'1', u"…"_s},       {'4', u":"_s},    {'6', u"!"_s},       {'8', u"?"_s},
        {'?', u"U"_s},       {'@', u"S"_s},    {'<', u"ü"_s},       {'=', u"ê"_s},
        {'{', u"–"_s},       {'|', u"¦"_s},    {'}', u"\\"_s},      {'/', u"/"_s},
        {'!', QString()},    {'"', QString()}, {'#', QString()},    {'$', QString()},
        {'%', QString()},    {'&', QString()}, {'\'', QString()},   {'*', QString()},
        {'+', QString()},    {'0', QString()}, {'2', QString()},    {'3', QString()},
        {'>', QString()},    {'~', QString()},
    };
    return table;
}

} // namespace

QString phoneticToIpa(const QString &code) {
    const QHash<QChar, QString> &table = displayTable();
    QString ipa;
    ipa.reserve(code.size());
    for (const QChar c : code) {
        const auto shown = table.constFind(c);
        ipa += shown == table.constEnd() ? QString(c) : *shown;
    }
    return ipa;
}

QFont phoneticFont(double pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Charis SIL"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    return font;
}
