#include "platform/ConnectionString.h"

namespace {
const QString DataSourceKey = QStringLiteral("Data Source=");
const QString PasswordKey = QStringLiteral("Jet OLEDB:Database Password=");
const QString Provider = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;");

// The value after key, up to the ";" that ends it (the last ";" before end, so a path
// holding ";" survives).
QString valueAfter(const QString &text, qsizetype start, qsizetype end) {
    QString value = text.mid(start, end - start);
    if (value.endsWith(';')) value.chop(1);
    return value;
}
} // namespace

ConnectionString ConnectionString::parse(const QString &text) {
    ConnectionString result;
    const qsizetype source = text.indexOf(DataSourceKey);
    const qsizetype password = text.indexOf(PasswordKey);
    if (source >= 0) {
        const qsizetype start = source + DataSourceKey.size();
        const qsizetype end = password > start ? password : text.size();
        result.dataSource = valueAfter(text, start, end);
    }
    if (password >= 0) {
        const qsizetype start = password + PasswordKey.size();
        const qsizetype end = text.indexOf(';', start);
        result.password = text.mid(start, end < 0 ? -1 : end - start);
    }
    return result;
}

QString ConnectionString::make(const QString &dataSource, const QString &password) {
    QString text = Provider + DataSourceKey + dataSource + ";";
    if (!password.isEmpty()) text += PasswordKey + password + ";";
    return text;
}
