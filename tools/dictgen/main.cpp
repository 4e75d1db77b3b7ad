// Generates the dictionary file or the default word list from the word data's CSV file:
//   dictgen dictionary <ecdict.csv> <mswrd.wd>
//   dictgen wordlist <ecdict.csv> <default-list.wrd>
// Prints what it made and fails (exit code 1, no file written) when the figures leave their
// expected ranges, so that a changed data set cannot slip into the programs unnoticed.
#include "platform/WordListFile.h"
#include "tools/dictgen/DefaultWordList.h"
#include "tools/dictgen/DictionaryBuilder.h"
#include "tools/dictgen/DictionaryCounts.h"
#include "tools/dictgen/DictionaryFile.h"
#include "tools/dictgen/EcdictCsv.h"

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

int makeDictionary(const std::vector<EcdictRow> &data, const QString &output) {
    const std::vector<GeneratedEntry> entries = DictionaryBuilder::entries(data);
    const DictionaryCounts counts = DictionaryCounts::of(entries);
    QTextStream(stdout) << "dictionary: " << counts.summary() << Qt::endl;
    if (const QStringList unfit = DictionaryFile::unfitEntries(entries); !unfit.isEmpty())
        return fail({QStringLiteral("entries the file cannot hold: ") + unfit.join(u", ")});
    if (const QStringList problems = counts.outOfRange(); !problems.isEmpty())
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
    if (args.size() != 4 || (args[1] != u"dictionary" && args[1] != u"wordlist"))
        return fail({QStringLiteral("usage: dictgen dictionary|wordlist <ecdict.csv> <output>")});
    const std::vector<EcdictRow> data = EcdictCsv::read(args[2]);
    if (data.empty()) return fail({QStringLiteral("no rows in ") + args[2]});
    return args[1] == u"dictionary" ? makeDictionary(data, args[3]) : makeWordList(data, args[3]);
}
