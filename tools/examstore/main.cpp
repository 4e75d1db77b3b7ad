#include "reader/PaperCatalog.h"
#include "tools/examstore/PaperSources.h"
#include "tools/examstore/PaperStatistics.h"
#include "tools/examstore/StoreWriter.h"

#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>

// examstore <paper sources folder> <output folder> [--allow-placeholders]
// Writes read.dll (the exam store) and note.dll (the notes store) into the output folder and
// prints the article lengths and cloze blanks. Fails, writing nothing, when a text is missing
// or empty; with --allow-placeholders a part whose folder is missing gets placeholder texts.
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool allowPlaceholders = args.removeAll(QStringLiteral("--allow-placeholders")) > 0;
    if (args.size() != 2) {
        std::fputs("usage: examstore <papers> <output folder> [--allow-placeholders]\n", stderr);
        return 2;
    }
    const PaperSources::Result sources = PaperSources::readAll(args[0], allowPlaceholders);
    for (const QString &error : sources.errors)
        std::fprintf(stderr, "examstore: %s\n", qPrintable(error));
    if (!sources.errors.isEmpty()) return 1;

    const QDir out(args[1]);
    if (!StoreWriter::writeExamStore(out.filePath(QStringLiteral("read.dll")), sources.parts) ||
        !StoreWriter::writeNotesStore(out.filePath(QStringLiteral("note.dll")),
                                      PaperCatalog::allKeys())) {
        std::fprintf(stderr, "examstore: cannot write the stores in %s\n", qPrintable(args[1]));
        return 1;
    }
    const auto placeholders = std::count_if(sources.parts.begin(), sources.parts.end(),
                                            [](const auto &part) { return part.placeholder; });
    std::printf("examstore: %zu parts, %ld from placeholders (article words w, blanks b)\n%s",
                sources.parts.size(), long(placeholders),
                qPrintable(PaperStatistics::table(sources.parts)));
    return 0;
}
