// Writes the seed corpora of the fuzz targets with the suite's own code:
//   FuzzSeeds <folder>    writes <folder>/<target>/<seed> for every target.
// The seeds are committed under fuzz/corpus; run this again when a format changes.
#include "fuzz/FuzzSupport.h"
#include "platform/ConnectionString.h"
#include "platform/Database.h"
#include "platform/ProtectedStore.h"
#include "platform/Rtf.h"
#include "platform/TextCodec.h"
#include "platform/WordListFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

namespace {

QDir targetFolder(const QString &root, const QString &target) {
    QDir folder(root + "/" + target);
    folder.mkpath(".");
    return folder;
}

void writeSeed(const QDir &folder, const QString &name, const QByteArray &bytes) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

// A note as the reader saves it: the note font, grey, indented.
QByteArray noteRtf() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextBlockFormat indented;
    indented.setLeftMargin(3);
    cursor.setBlockFormat(indented);
    QTextCharFormat note;
    note.setFontFamilies({QStringLiteral("宋体")});
    note.setFontPointSize(10);
    note.setForeground(QColor(128, 128, 128));
    cursor.insertText(QStringLiteral("双击可保存学习笔记"), note);
    return Rtf::write(doc);
}

// Every style and paragraph format the writer knows, and characters that need escaping.
QByteArray stylesRtf() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italicRed;
    italicRed.setFontItalic(true);
    italicRed.setForeground(Qt::red);
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    cursor.insertText("plain ");
    cursor.insertText("bold ", bold);
    cursor.insertText("italic ", italicRed);
    cursor.insertText(QString::fromUtf8("under\t{x}\\y\u2028ɑ€ ő😀 中"), underlined);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTextIndent(2);
    cursor.insertBlock(centred);
    cursor.insertText("centred");
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setRightMargin(4);
    right.setTopMargin(2);
    right.setBottomMargin(6);
    cursor.insertBlock(right);
    cursor.insertText("right");
    return Rtf::write(doc);
}

// What other writers put in a note: destinations to skip, Unicode with fallbacks, binary data,
// nesting and the syntax the suite's writer does not use.
const char otherWritersRtf[] =
    R"({\rtf1\ansi\ansicpg936\deff0\uc1{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
    R"({\f1\fswiss\fcharset0 Arial;}}{\colortbl ;\red128\green128\blue128;})"
    R"({\*\generator Writer;}{\info{\title t}}{\stylesheet{\s0 Normal;}})"
    R"(\pard\li45\qc\plain\f0\fs20\cf1 \'d6\'d0\'ce\'c4\b bold\b0\i it\i0\ul u\ulnone\tab x\line y)"
    R"(\par\pard\fi-360\qj{\uc2\u20013\'d6\'d0}\u-3?\~\-\{\}\\ {\pict\bin4 ABCD}\f1 caf\'e9\par)"
    R"(\pard\qr\plain\fs99 {{{\b\i x}}}\u55357?\u56832?\'81\\})";

// A paragraph of single letters switched bold and back: slow to read when every run makes
// the layout work again.
QByteArray formatRunsRtf() {
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int run = 0; run < 2000; ++run)
        rtf += run % 2 == 0 ? "\\b x" : "\\b0 x";
    return rtf + '}';
}

void writeRtfSeeds(const QDir &folder) {
    writeSeed(folder, "note.rtf", noteRtf());
    writeSeed(folder, "styles.rtf", stylesRtf());
    writeSeed(folder, "other-writers.rtf", otherWritersRtf);
    writeSeed(folder, "format-runs.rtf", formatRunsRtf());
    writeSeed(folder, "plain.txt", TextCodec::toGbk(QStringLiteral("不是 RTF 的笔记 {\\b no}")));
}

// A dictionary line as the reader's file holds it, then words to look up.
void writeDictionarySeeds(const QDir &folder) {
    const QString dictionary =
        QStringLiteral("$a[2]art. 一$consider[k2n'sid2]vt. 考虑, 认为$run[r^n]vi. 跑"
                       "$study['st^di]n. 学习$studies[x]$Hope[h2up]n. 希望$$[]$\r\n"
                       "considered\r\nrunning\r\n studies \r\nHOPED\r\nmaking\r\n");
    writeSeed(folder, "dictionary.wd", TextCodec::toGbk(dictionary));
}

void writeWordListSeeds(const QDir &folder) {
    const QString path = folder.filePath("list.wrd");
    WordListFile::create(path, {{1, "abandon", "E5bAndEn", "vt. 放弃", "1"},
                                {2, "ability", "E5bIlEti", "n. 能力"},
                                {3, "able", "5eibl", "a. 能够", "1"},
                                {5, "about", "E5baut", "ad. 大约"}});
    WordListFile::create(folder.filePath("empty.wrd"), {});
}

// A notes store of three parts, as a store file and as the image it protects.
void writeStoreSeeds(const QDir &folder) {
    const QString path = folder.filePath("note.dll");
    const QString connection = ConnectionString::make(path, Fuzz::StorePassword);
    Database db;
    db.create(connection);
    db.exec("create table dat (mc TEXT, bak)");
    db.exec("create index dat_mc on dat (mc)");
    for (const QString &key : {QStringLiteral("1995年试题Part1"), QStringLiteral("2004年试题Part2"),
                               QStringLiteral("2010年试题Part4")})
        db.exec("insert into dat values (?, ?)", {key, QString::fromLatin1(noteRtf())});
    db.save();
    db.close();
    if (const auto image = ProtectedStore::load(path, Fuzz::StorePassword))
        writeSeed(folder, "note-image.db", *image);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    writeRtfSeeds(targetFolder(root, "RtfFuzz"));
    writeDictionarySeeds(targetFolder(root, "DictionaryLookupFuzz"));
    writeWordListSeeds(targetFolder(root, "WordListFuzz"));
    writeStoreSeeds(targetFolder(root, "ProtectedStoreFuzz"));
    return 0;
}
