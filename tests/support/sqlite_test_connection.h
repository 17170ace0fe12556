#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// A uniquely named "QSQLITE" connection, removed again when the object goes out of scope.
class SqliteTestConnection
{
public:
    explicit SqliteTestConnection(const QString &connectOptions = QString());
    ~SqliteTestConnection();
    SqliteTestConnection(const SqliteTestConnection &) = delete;
    SqliteTestConnection &operator=(const SqliteTestConnection &) = delete;

    QSqlDatabase &database() { return m_database; }
    // Opens filePath directly, without creating or upgrading tables.
    bool open(const QString &filePath);

private:
    QString m_name;
    QSqlDatabase m_database;
};

// Runs the statements on a fresh connection to filePath; false (with a warning) at the first failure.
bool runSql(const QString &filePath, const QStringList &statements);

// Every row of the given tables as text, in a stable order, read through a fresh connection.
QStringList dumpTables(const QString &filePath, const QStringList &tables);
