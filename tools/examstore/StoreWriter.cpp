#include "tools/examstore/StoreWriter.h"

#include "platform/Database.h"
#include "platform/Fonts.h"
#include "platform/Rtf.h"
#include "reader/NoteFormat.h"
#include "reader/PaperStores.h"
#include "tools/examstore/PaperMarkup.h"

#include <QTextDocument>

namespace StoreWriter {

namespace {

constexpr double EnglishPointSize = 11.0;
constexpr double ChinesePointSize = 10.5;
// Space after each paragraph of prose; question lists stay compact.
constexpr qreal ProseParagraphSpacing = 6.0;

QFont fontFor(const QString &column) {
    const bool english = column == QLatin1String("yw") || column == QLatin1String("st");
    return english ? Fonts::font(Fonts::Arial, EnglishPointSize)
                   : Fonts::font(Fonts::Song, ChinesePointSize);
}

QString toRtf(const QString &source, const QString &column) {
    QTextDocument doc;
    const QFont font = fontFor(column);
    doc.setDefaultFont(font);
    QTextCharFormat base;
    base.setFont(font);
    QTextBlockFormat paragraph;
    if (column != QLatin1String("st")) paragraph.setBottomMargin(ProseParagraphSpacing);
    PaperMarkup::toDocument(source, base, doc, paragraph);
    return QString::fromLatin1(Rtf::write(doc));
}

// A new store with one table; rows are added by the caller, then save() writes it.
bool createStore(Database &db, const QString &path, const QString &columns) {
    return db.create(PaperStores::connection(path)) &&
           db.exec(QStringLiteral("create table dat (mc TEXT, %1)").arg(columns)) &&
           db.exec(QStringLiteral("create index dat_mc on dat (mc)"));
}

} // namespace

bool writeExamStore(const QString &path, const std::vector<PaperSources::Part> &parts) {
    Database db;
    if (!createStore(db, path, PaperSources::Columns.join(", "))) return false;
    for (const PaperSources::Part &part : parts) {
        QVariantList row{part.key};
        for (qsizetype i = 0; i < PaperSources::Columns.size(); ++i)
            row << toRtf(part.texts.at(i), PaperSources::Columns.at(i));
        if (!db.exec(QStringLiteral("insert into dat values (?, ?, ?, ?, ?)"), row)) return false;
    }
    return db.save();
}

bool writeNotesStore(const QString &path, const QStringList &keys) {
    QTextDocument hint;
    NoteFormat::writeHint(hint);
    const QString note = QString::fromLatin1(Rtf::write(hint));
    Database db;
    if (!createStore(db, path, QStringLiteral("bak"))) return false;
    for (const QString &key : keys)
        if (!db.exec(QStringLiteral("insert into dat values (?, ?)"), {key, note})) return false;
    return db.save();
}

} // namespace StoreWriter
