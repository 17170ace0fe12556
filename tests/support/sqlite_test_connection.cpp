#include "support/sqlite_test_connection.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <QtDebug>

namespace {
QAtomicInt connectionCounter;
}

SqliteTestConnection::SqliteTestConnection(const QString &connectOptions)
    : m_name(QStringLiteral("test-connection-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_database.setConnectOptions(connectOptions);
}

SqliteTestConnection::~SqliteTestConnection()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool SqliteTestConnection::open(const QString &filePath)
{
    m_database.setDatabaseName(filePath);
    return m_database.open();
}

bool runSql(const QString &filePath, const QStringList &statements)
{
    SqliteTestConnection connection;
    QSqlQuery query(connection.open(filePath) ? connection.database() : QSqlDatabase());
    for (const QString &statement : statements) {
        if (!query.exec(statement)) {
            qWarning() << statement << query.lastError().text();
            return false;
        }
    }
    return true;
}

QStringList dumpTables(const QString &filePath, const QStringList &tables)
{
    QStringList rows;
    SqliteTestConnection connection;
    QSqlQuery query(connection.open(filePath) ? connection.database() : QSqlDatabase());
    for (const QString &table : tables) {
        if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table)))
            rows << table + QStringLiteral(": ") + query.lastError().text();
        while (query.next()) {
            QStringList values;
            for (int column = 0; column < query.record().count(); ++column)
                values << (query.isNull(column) ? QStringLiteral("NULL") : query.value(column).toString());
            rows << table + QStringLiteral(": ") + values.join(QLatin1Char('|'));
        }
    }
    return rows;
}
