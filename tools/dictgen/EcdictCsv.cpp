#include "tools/dictgen/EcdictCsv.h"

#include <QFile>

namespace EcdictCsv {
namespace {

// Splits CSV text into records of fields: fields are separated by commas, records by line
// ends; a quoted field may hold commas, line ends and doubled quotes.
class Scanner {
public:
    explicit Scanner(const QByteArray &text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    std::vector<QByteArray> nextRecord() {
        std::vector<QByteArray> fields;
        for (;;) {
            fields.push_back(nextField());
            if (atEnd()) break;
            const char separator = m_text.at(m_pos++);
            if (separator == '\r' && !atEnd() && m_text.at(m_pos) == '\n') ++m_pos;
            if (separator != ',') break;
        }
        return fields;
    }

private:
    QByteArray nextField() {
        if (atEnd() || m_text.at(m_pos) != '"') {
            const qsizetype start = m_pos;
            while (!atEnd() && !isSeparator(m_text.at(m_pos)))
                ++m_pos;
            return m_text.mid(start, m_pos - start);
        }
        QByteArray field;
        ++m_pos; // opening quote
        while (!atEnd()) {
            const char c = m_text.at(m_pos++);
            if (c != '"') {
                field += c;
            } else if (!atEnd() && m_text.at(m_pos) == '"') {
                field += '"';
                ++m_pos;
            } else {
                break;
            }
        }
        while (!atEnd() && !isSeparator(m_text.at(m_pos)))
            field += m_text.at(m_pos++); // text after a closing quote belongs to the field
        return field;
    }

    static bool isSeparator(char c) { return c == ',' || c == '\n' || c == '\r'; }

    const QByteArray &m_text;
    qsizetype m_pos = 0;
};

struct Columns {
    qsizetype word = -1, phonetic = -1, definition = -1, translation = -1, tag = -1, exchange = -1,
              collins = -1, oxford = -1, bnc = -1, frq = -1;

    explicit Columns(const std::vector<QByteArray> &header) {
        const auto find = [&header](const char *name) -> qsizetype {
            for (size_t i = 0; i < header.size(); ++i)
                if (header[i] == name) return qsizetype(i);
            return -1;
        };
        word = find("word");
        phonetic = find("phonetic");
        definition = find("definition");
        translation = find("translation");
        tag = find("tag");
        exchange = find("exchange");
        collins = find("collins");
        oxford = find("oxford");
        bnc = find("bnc");
        frq = find("frq");
    }
};

QByteArray field(const std::vector<QByteArray> &record, qsizetype column) {
    return column >= 0 && size_t(column) < record.size() ? record[size_t(column)] : QByteArray();
}

QString text(const std::vector<QByteArray> &record, qsizetype column) {
    return QString::fromUtf8(field(record, column));
}

EcdictRow toRow(const std::vector<QByteArray> &record, const Columns &columns) {
    EcdictRow row;
    row.word = text(record, columns.word);
    row.phonetic = text(record, columns.phonetic);
    row.definition = text(record, columns.definition);
    row.translation = text(record, columns.translation);
    row.tag = text(record, columns.tag);
    row.exchange = text(record, columns.exchange);
    row.rated = !field(record, columns.collins).trimmed().isEmpty() ||
                !field(record, columns.oxford).trimmed().isEmpty();
    row.bnc = field(record, columns.bnc).toInt();
    row.frq = field(record, columns.frq).toInt();
    return row;
}

} // namespace

std::vector<EcdictRow> parse(const QByteArray &csv) {
    Scanner scanner(csv);
    if (scanner.atEnd()) return {};
    const Columns columns(scanner.nextRecord());
    std::vector<EcdictRow> rows;
    while (!scanner.atEnd()) {
        EcdictRow row = toRow(scanner.nextRecord(), columns);
        if (!row.word.isEmpty()) rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<EcdictRow> read(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parse(file.readAll());
}

} // namespace EcdictCsv
