#include "tools/dictgen/WordSelection.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace WordSelection {
namespace {

bool isExamWord(const EcdictRow &row) {
    static const QStringList examTags = {u"zk"_s, u"gk"_s, u"cet4"_s, u"cet6"_s, u"ky"_s};
    return !row.isPhrase() && row.hasAnyTag(examTags);
}

// The name labels the data's translations use: 人名, 姓氏, 姓名, 男子名, 女子名, 男名, 女名,
// 男人名, 男性名, 女性名 for people; 地名 and the names of towns, counties, states, provinces,
// islands, rivers and countries ("英国城市名", "英国郡名", "共和国名") for places.
bool namesPersonOrPlace(const QString &translation) {
    static const QRegularExpression names(
        u"人名|姓氏|姓名|[男女][子人性]?名|地名|(?:城市|郡|州|省|岛|河|国|邦|地区|行政区|港市)名"_s);
    return translation.section(u"\\n"_s, 0, 0).contains(names);
}

bool isInflectionOfAnother(const EcdictRow &row) {
    const QString lemma = row.inflection(u'0');
    return !lemma.isEmpty() && lemma != row.word;
}

// A common plain word worth a dictionary entry although no exam lists it.
bool isFillWord(const EcdictRow &row) {
    static const QRegularExpression plain(uR"(^[a-z]+(-[a-z]+)*$)"_s);
    return plain.match(row.word).hasMatch() && !row.translation.isEmpty() &&
           !namesPersonOrPlace(row.translation) && !isInflectionOfAnother(row);
}

} // namespace

std::vector<const EcdictRow *> select(const std::vector<EcdictRow> &rows) {
    std::vector<const EcdictRow *> words;
    QSet<QString> taken;
    for (const EcdictRow &row : rows) {
        if (!isExamWord(row)) continue;
        words.push_back(&row);
        taken.insert(row.word);
    }
    std::vector<const EcdictRow *> fill;
    for (const EcdictRow &row : rows)
        if (!taken.contains(row.word) && isFillWord(row)) fill.push_back(&row);
    const auto byRankThenWord = [](const EcdictRow *a, const EcdictRow *b) {
        return a->rank() != b->rank() ? a->rank() < b->rank() : a->word < b->word;
    };
    const size_t wanted = words.size() < size_t(WordCount) ? WordCount - words.size() : 0;
    const size_t count = std::min(wanted, fill.size());
    std::partial_sort(fill.begin(), fill.begin() + qsizetype(count), fill.end(), byRankThenWord);
    words.insert(words.end(), fill.begin(), fill.begin() + qsizetype(count));
    return words;
}

} // namespace WordSelection
