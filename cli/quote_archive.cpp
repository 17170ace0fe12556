#include "cli/quote_archive.h"

#include "storage/price_database.h"
#include "storage/quote_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QTemporaryDir>

namespace {

const char archiveConnection[] = "orvanta-cli-archive";
const char copyConnection[] = "orvanta-cli-archive-copy";

} // namespace

QuoteArchive::QuoteArchive()
{
    const QString path = defaultPriceDatabasePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(archiveConnection));
    database.setDatabaseName(path);
    if (!database.open())
        openError = database.lastError().text();
    else
        openError = ensureQuotesTable(database);
}

QuoteArchive::~QuoteArchive()
{
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(archiveConnection));
}

QString QuoteArchive::nextNumber(const QDateTime &at)
{
    return nextQuoteNumber(database, at);
}

QString QuoteArchive::save(const QuoteSnapshot &quote)
{
    return openError.isEmpty() ? saveQuote(database, quote) : openError;
}

QuoteArchiveCopy::QuoteArchiveCopy()
{
    static QTemporaryDir temporary; // lives until the command ends
    const QString copyPath = temporary.filePath(QStringLiteral("quotes.db"));
    QFile::remove(copyPath);
    const QString storedPath = defaultPriceDatabasePath();
    if (QFile::exists(storedPath)) {
        QFile stored(storedPath);
        if (!stored.copy(copyPath)) {
            error = stored.errorString();
            return;
        }
        QFile::setPermissions(copyPath, QFile::ReadOwner | QFile::WriteOwner);
    }
    database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(copyConnection));
    database.setDatabaseName(copyPath);
    if (!database.open())
        error = database.lastError().text();
    else
        error = ensureQuotesTable(database);
}

QuoteArchiveCopy::~QuoteArchiveCopy()
{
    if (!database.isValid())
        return;
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(QLatin1String(copyConnection));
}
