#include "platform/PhoneticTranscoding.h"

#include <array>
#include <utility>

namespace {

// Applied one after another, each to the whole string. The order matters: the stress mark
// becomes "5" only after the digit 5 has become "T", and the comma becomes "/" only after the
// slash has become "Z", so neither is replaced twice.
constexpr std::array<std::pair<char16_t, const char16_t *>, 14> Replacements = {{
    {u'0', u"C"},
    {u'1', u"B"},
    {u'2', u"E"},
    {u'3', u"Q"},
    {u'4', u"W"},
    {u'5', u"T"},
    {u'6', u"F"},
    {u'7', u"V"},
    {u'8', u"N"},
    {u'9', u"A"},
    {u'/', u"Z"},
    {u'\'', u"5"},
    {u',', u"/"},
    {u' ', u""},
}};

} // namespace

QString transcodePhonetic(const QString &notation) {
    QString code = notation;
    for (const auto &[from, to] : Replacements)
        code.replace(QChar(from), QString::fromUtf16(to), Qt::CaseSensitive);
    return code;
}
