#pragma once

#include <QString>

// The parts of a connection string the database layer reads:
// "Provider=…;Data Source=<file>;[Jet OLEDB:Database Password=<password>;]". The provider is
// ignored.
struct ConnectionString {
    QString dataSource;
    QString password; // empty for a plain word list

    static ConnectionString parse(const QString &text);
    static QString make(const QString &dataSource, const QString &password = {});
};
