#include "storage/quote_store.h"

#include "export/quote_snapshot.h"
#include "storage/quote_record_json.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char listColumns[] = "SELECT id,quote_no,created_at,customer,file_count,total_pages,total_amount";

QString unavailable()
{
    return QCoreApplication::translate("MainWindow", "数据库不可用");
}

QString likePattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QuoteListEntry entryAt(const QSqlQuery &query)
{
    QuoteListEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.number = query.value(1).toString();
    entry.createdAt = query.value(2).toString();
    entry.customer = query.value(3).toString();
    entry.fileCount = query.value(4).toInt();
    entry.totalPages = query.value(5).toInt();
    entry.totalAmount = query.value(6).toDouble();
    return entry;
}

QString failed(QSqlDatabase &database, const QSqlQuery &query)
{
    const QString reason = query.lastError().text();
    database.rollback();
    return reason;
}

} // namespace

QString ensureQuotesTable(QSqlDatabase &database)
{
    QSqlQuery query(database);
    if (query.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS quotes (id INTEGER PRIMARY KEY AUTOINCREMENT, quote_no TEXT UNIQUE, "
            "customer TEXT, created_at TEXT, file_count INTEGER, total_pages INTEGER, total_amount REAL, "
            "detail_json TEXT)")))
        return {};
    return query.lastError().text();
}

QString nextQuoteNumber(QSqlDatabase &database, const QDateTime &at)
{
    const QString base = QStringLiteral("Q%1").arg(at.toString(QStringLiteral("yyyyMMddhhmmss")));
    QSet<QString> taken;
    QSqlQuery query(database);
    // A range rather than LIKE, so that the unique index on quote_no answers: base and base-N sort
    // between base and base + '.', the character after '-'.
    query.prepare(QStringLiteral("SELECT quote_no FROM quotes WHERE quote_no>=? AND quote_no<?"));
    query.addBindValue(base);
    query.addBindValue(QString(base + QLatin1Char('.')));
    if (query.exec()) {
        while (query.next())
            taken.insert(query.value(0).toString());
    }
    QString number = base;
    for (int suffix = 2; taken.contains(number); ++suffix)
        number = base + QLatin1Char('-') + QString::number(suffix);
    return number;
}

QString saveQuote(QSqlDatabase &database, const QuoteSnapshot &quote)
{
    if (!database.isOpen())
        return unavailable();
    if (!database.transaction())
        return database.lastError().text();
    QSqlQuery query(database);
    if (!query.prepare(
            QStringLiteral("INSERT INTO quotes(quote_no,customer,created_at,file_count,total_pages,"
                           "total_amount,detail_json) VALUES(?,?,?,?,?,?,?)")))
        return failed(database, query);
    query.addBindValue(quoteNumberOf(quote));
    query.addBindValue(quote.profile.customerName);
    query.addBindValue(quote.createdAt.toString(Qt::ISODate));
    query.addBindValue(int(quote.rows.size()));
    query.addBindValue(quotePageCount(quote));
    query.addBindValue(quoteTotals(quote).grandTotal);
    query.addBindValue(QString::fromUtf8(quoteRecordJson(quote)));
    if (!query.exec())
        return failed(database, query);
    if (!database.commit()) {
        const QString reason = database.lastError().text();
        database.rollback();
        return reason;
    }
    return {};
}

namespace {

// The WHERE clause of a filter and the values it binds, in order.
QString filterClause(const QuoteFilter &filter, QVariantList &values)
{
    QString sql = QStringLiteral(" FROM quotes WHERE 1");
    if (!filter.text.isEmpty()) {
        // The cheap text match first; only rows that pass it have their file names read.
        sql += QLatin1String(
            " AND (quote_no LIKE ? ESCAPE '\\' OR customer LIKE ? ESCAPE '\\' OR (detail_json LIKE ? "
            "ESCAPE '\\' AND CASE WHEN json_valid(detail_json) THEN EXISTS (SELECT 1 FROM "
            "json_each(detail_json,'$.rows') WHERE CASE WHEN type='object' THEN "
            "json_extract(value,'$.fileName') END LIKE ? ESCAPE '\\') ELSE 0 END))");
        for (int i = 0; i < 4; ++i)
            values.append(likePattern(filter.text));
    }
    if (!filter.customer.isEmpty()) {
        sql += QLatin1String(" AND customer LIKE ? ESCAPE '\\'");
        values.append(likePattern(filter.customer));
    }
    if (filter.from.isValid()) {
        sql += QLatin1String(" AND created_at>=?");
        values.append(filter.from.toString(Qt::ISODate));
    }
    if (filter.to.isValid()) {
        sql += QLatin1String(" AND created_at<?");
        values.append(filter.to.addDays(1).toString(Qt::ISODate));
    }
    return sql;
}

bool runQuery(QSqlDatabase &database, QSqlQuery &query, const QString &sql, const QVariantList &values,
              QString &error)
{
    if (!database.isOpen()) {
        error = unavailable();
        return false;
    }
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        error = query.lastError().text();
        return false;
    }
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        error = query.lastError().text();
        return false;
    }
    return true;
}

} // namespace

QuoteListing listQuotes(QSqlDatabase &database, const QuoteFilter &filter, int limit, int offset)
{
    QuoteListing listing;
    QVariantList values;
    // The count comes with the page, from the same pass over the table.
    QString sql = QLatin1String(listColumns) + QLatin1String(",count(*) OVER ()") +
                  filterClause(filter, values) +
                  QLatin1String(" ORDER BY created_at DESC, id DESC LIMIT ? OFFSET ?");
    values << limit << offset;
    QSqlQuery query(database);
    if (!runQuery(database, query, sql, values, listing.error))
        return listing;
    while (query.next()) {
        listing.entries.append(entryAt(query));
        listing.total = query.value(7).toInt();
    }
    return listing;
}

StoredQuote loadQuote(QSqlDatabase &database, const QString &number)
{
    StoredQuote stored;
    QSqlQuery query(database);
    query.prepare(QLatin1String(listColumns) + QLatin1String(",detail_json FROM quotes WHERE quote_no=?"));
    query.addBindValue(number);
    if (!query.exec()) {
        stored.error = database.isOpen() ? query.lastError().text() : unavailable();
        return stored;
    }
    if (!query.next())
        return stored;
    stored.found = true;
    stored.entry = entryAt(query);
    stored.detailJson = query.value(7).toString().toUtf8();
    stored.record = readQuoteRecordJson(stored.detailJson);
    return stored;
}

QString deleteQuote(QSqlDatabase &database, qint64 id)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM quotes WHERE id=?"));
    query.addBindValue(id);
    return query.exec() ? QString() : query.lastError().text();
}
