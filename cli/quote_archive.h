#pragma once

#include <QSqlDatabase>
#include <QString>

class QDateTime;
struct QuoteSnapshot;

// The window's database opened for the one insert an issued quote makes; everything else the
// command line reads from a private copy. Opening creates only a missing `quotes` table.
class QuoteArchive
{
public:
    QuoteArchive();
    ~QuoteArchive();
    QuoteArchive(const QuoteArchive &) = delete;
    QuoteArchive &operator=(const QuoteArchive &) = delete;

    // A number no stored quote has (the plain timestamp number when the file cannot be opened).
    QString nextNumber(const QDateTime &at);
    // Why the quote was not saved; empty when it was.
    QString save(const QuoteSnapshot &quote);

private:
    QSqlDatabase database;
    QString openError;
};

// The stored quotes, read from a private copy of the window's database; a missing file reads as
// an empty table. Removes its connection when it goes.
class QuoteArchiveCopy
{
public:
    QuoteArchiveCopy();
    ~QuoteArchiveCopy();
    QuoteArchiveCopy(const QuoteArchiveCopy &) = delete;
    QuoteArchiveCopy &operator=(const QuoteArchiveCopy &) = delete;

    QSqlDatabase &connection() { return database; }
    QString error; // why the copy could not be read; empty when it can

private:
    QSqlDatabase database;
};
