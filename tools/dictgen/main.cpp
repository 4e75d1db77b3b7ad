// Generates the dictionary file or the default word list from the word data's CSV file:
//   dictgen dictionary <ecdict.csv> <mswrd.wd> <papers folder>
//   dictgen wordlist <ecdict.csv> <default-list.wrd>
// Prints what it made and fails (exit code 1, no file written) when the figures leave their
// expected ranges, so that a changed data set cannot slip into the programs unnoticed. For the
// dictionary it also prints how many inflected forms of its words, and how many words of the
// practice papers' articles, a lookup shows as themselves or their base; every form must.
#include "platform/WordListFile.h"
#include "tools/dictgen/ArticleWords.h"
#include "tools/dictgen/DefaultWordList.h"
#include "tools/dictgen/DictionaryBuilder.h"
#include "tools/dictgen/DictionaryCounts.h"
#include "tools/dictgen/DictionaryFile.h"
#include "tools/dictgen/EcdictCsv.h"
#include "tools/dictgen/LookupCoverage.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

QTextStream &err() {
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QStringList &problems) {
    for (const QString &problem : problems)
        err() << "dictgen: " << problem << Qt::endl;
    return 1;
}

// Prints how many inflected forms and article words a lookup in the dictionary shows as
// themselves or their base; returns a problem naming the forms that miss, if any.
QStringList checkLookups(const std::vector<GeneratedEntry> &entries,
                         const std::vector<EcdictRow> &data, const QString &papers) {
    const QHash<QString, const EcdictRow *> byWord = rowsByWord(data);
    LookupCoverage coverage(WordLookup(Dictionary::ofText(DictionaryFile::line(entries))), byWord);
    const std::vector<InflectedForm> forms = InflectedForms::ofWords(headwords(entries), byWord);
    QTextStream(stdout) << "inflected forms showing themselves or their base: "
                        << coverage.shownForms(forms).text() << Qt::endl
                        << "article words showing themselves or their base: "
                        << coverage.shownWords(ArticleWords::read(papers)).text() << Qt::endl;
    QStringList missed;
    for (const InflectedForm &form : coverage.missed(forms))
        missed += form.form;
    if (missed.isEmpty()) return {};
    return {QStringLiteral("forms a lookup shows wrongly: ") + missed.join(u", ")};
}

int makeDictionary(const std::vector<EcdictRow> &data, const QString &output,
                   const QString &papers) {
    const std::vector<GeneratedEntry> entries = DictionaryBuilder::entries(data);
    const DictionaryCounts counts = DictionaryCounts::of(entries);
    QTextStream(stdout) << "dictionary: " << counts.summary() << Qt::endl;
    if (const QStringList unfit = DictionaryFile::unfitEntries(entries); !unfit.isEmpty())
        return fail({QStringLiteral("entries the file cannot hold: ") + unfit.join(u", ")});
    if (const QStringList problems = counts.outOfRange() + checkLookups(entries, data, papers);
        !problems.isEmpty())
        return fail(problems);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(DictionaryFile::bytes(entries)) < 0 ||
        !file.commit())
        return fail({QStringLiteral("cannot write ") + output});
    return 0;
}

int makeWordList(const std::vector<EcdictRow> &data, const QString &output) {
    const std::vector<WordListFile::WordRow> rows = DefaultWordList::rows(data);
    const int count = int(rows.size());
    QTextStream(stdout) << "default word list: " << count << " words" << Qt::endl;
    if (count < DefaultWordList::MinimumWords || count > DefaultWordList::MaximumWords)
        return fail({QStringLiteral("list words: %1, expected %2 to %3")
                         .arg(count)
                         .arg(DefaultWordList::MinimumWords)
                         .arg(DefaultWordList::MaximumWords)});
    if (!WordListFile::create(output, rows))
        return fail({QStringLiteral("cannot write ") + output});
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool dictionary = args.size() == 5 && args[1] == u"dictionary";
    const bool wordList = args.size() == 4 && args[1] == u"wordlist";
    if (!dictionary && !wordList)
        return fail({QStringLiteral("usage: dictgen dictionary <ecdict.csv> <mswrd.wd> <papers>"),
                     QStringLiteral("       dictgen wordlist <ecdict.csv> <default-list.wrd>")});
    const std::vector<EcdictRow> data = EcdictCsv::read(args[2]);
    if (data.empty()) return fail({QStringLiteral("no rows in ") + args[2]});
    return dictionary ? makeDictionary(data, args[3], args[4]) : makeWordList(data, args[3]);
}
