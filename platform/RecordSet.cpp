#include "platform/RecordSet.h"

#include "platform/Database.h"

#include <QRegularExpression>

namespace {

const QString RowidColumn = QStringLiteral("$rowid");

// "select * from t …" becomes "select rowid as [$rowid], * from t …", so every row carries
// the key an update needs.
QString withRowid(const QString &source) {
    static const QRegularExpression select(QStringLiteral("^\\s*select\\s+"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = select.match(source);
    if (!match.hasMatch()) return {};
    return match.captured(0) + "rowid as [" + RowidColumn + "], " + source.mid(match.capturedEnd());
}

QString tableOf(const QString &source) {
    static const QRegularExpression from(
        QStringLiteral("\\bfrom\\s+(\\[[^\\]]+\\]|\"[^\"]+\"|[\\w$]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return from.match(source).captured(1);
}

} // namespace

RecordSet::RecordSet() = default;

RecordSet::~RecordSet() {
    close();
}

bool RecordSet::open(const QString &source, const QString &connectionString, CursorType,
                     const QVariantList &params) {
    close();
    m_db = std::make_unique<Database>();
    m_source = source;
    m_params = params;
    m_table = tableOf(source);
    if (m_table.isEmpty() || !m_db->open(connectionString) || !readResult()) {
        close();
        return false;
    }
    return true;
}

bool RecordSet::isOpen() const {
    return m_db && m_db->isOpen();
}

bool RecordSet::readResult() {
    Database::Result result = m_db->query(withRowid(m_source), m_params);
    if (!result.ok) return false;
    m_columns = result.columns.mid(1);
    m_rows.clear();
    m_rows.reserve(result.rows.size());
    for (QStringList &values : result.rows) {
        Row row;
        row.rowid = values.takeFirst().toLongLong();
        row.values = std::move(values);
        m_rows.push_back(std::move(row));
    }
    m_pending.clear();
    m_position = 0;
    return true;
}

int RecordSet::columnIndex(const QString &column) const {
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QString RecordSet::field(const QString &column) const {
    if (!isOpen() || bof() || eof()) return {};
    const int index = columnIndex(column);
    if (index < 0) return {};
    return m_pending.value(index, m_rows[size_t(m_position)].values.at(index));
}

void RecordSet::setField(const QString &column, const QString &value) {
    const int index = columnIndex(column);
    if (!isOpen() || bof() || eof() || index < 0) return;
    m_pending.insert(index, value);
}

bool RecordSet::storePendingWrite() {
    if (m_pending.isEmpty() || !isOpen() || bof() || eof()) return false;
    Row &row = m_rows[size_t(m_position)];
    QStringList assignments;
    QVariantList values;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        assignments << "[" + m_columns.at(it.key()) + "] = ?";
        values << it.value();
    }
    values << row.rowid;
    const QString sql = "update " + m_table + " set " + assignments.join(", ") + " where rowid = ?";
    const bool stored = m_db->exec(sql, values) && m_db->save();
    if (stored)
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
            row.values[it.key()] = it.value();
    m_pending.clear();
    return stored;
}

bool RecordSet::update() {
    return storePendingWrite();
}

void RecordSet::requery() {
    if (!isOpen()) return;
    storePendingWrite();
    if (!readResult()) close();
}

int RecordSet::recordCount() const {
    return isOpen() ? int(m_rows.size()) : 0;
}

void RecordSet::moveTo(int position) {
    if (!isOpen()) return;
    storePendingWrite();
    m_position = std::clamp(position, -1, int(m_rows.size()));
}

void RecordSet::moveFirst() {
    moveTo(0);
}
void RecordSet::moveNext() {
    moveTo(m_position + 1);
}
void RecordSet::movePrevious() {
    moveTo(m_position - 1);
}
void RecordSet::moveLast() {
    moveTo(int(m_rows.size()) - 1);
}
void RecordSet::move(int n) {
    moveTo(m_position + n);
}

bool RecordSet::bof() const {
    return !isOpen() || m_rows.empty() || m_position < 0;
}

bool RecordSet::eof() const {
    return !isOpen() || m_rows.empty() || m_position >= int(m_rows.size());
}

int RecordSet::absolutePosition() const {
    return bof() || eof() ? 0 : m_position + 1;
}

void RecordSet::close() {
    if (isOpen()) storePendingWrite();
    m_db.reset();
    m_rows.clear();
    m_columns.clear();
    m_pending.clear();
    m_position = -1;
}
