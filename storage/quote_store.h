#pragma once

#include "export/quote_snapshot.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class QDateTime;
class QSqlDatabase;

// One row of the `quotes` table as listed; rows another version wrote show what their columns hold.
struct QuoteListEntry
{
    qint64 id = 0;
    QString number;
    QString createdAt; // as stored: ISO date and time for the quotes this program saves
    QString customer;
    int fileCount = 0;
    int totalPages = 0;
    double totalAmount = 0;
};

struct QuoteFilter
{
    QString text;     // in the number, the customer or a file name
    QString customer; // in the customer only
    QDate from, to;   // by the day of created_at, both included; invalid: open
};

struct QuoteListing
{
    QList<QuoteListEntry> entries; // newest first
    int total = 0;                 // quotes the filter finds, beyond a page's limit too
    QString error;
};

struct StoredQuote
{
    bool found = false;
    QuoteListEntry entry;
    std::optional<QuoteSnapshot> record; // empty when detail_json is not one this program wrote
    QByteArray detailJson;               // as stored
    QString error;
};

// Creates the table when an older file lacks it, and nothing else.
QString ensureQuotesTable(QSqlDatabase &database);

// "Q" and the local time as yyyyMMddhhmmss, with "-2", "-3" ... when the table already holds it.
QString nextQuoteNumber(QSqlDatabase &database, const QDateTime &at);

// Inserts the issued quote in one transaction: the row is stored whole or not at all. Returns the
// reason for a failure, translated; empty when stored.
QString saveQuote(QSqlDatabase &database, const QuoteSnapshot &quote);

// The quotes the filter finds, newest first: all of them, or limit from offset on.
QuoteListing listQuotes(QSqlDatabase &database, const QuoteFilter &filter, int limit = -1, int offset = 0);
StoredQuote loadQuote(QSqlDatabase &database, const QString &number);
QString deleteQuote(QSqlDatabase &database, qint64 id);
