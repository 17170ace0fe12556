#pragma once

#include "storage/storage_result.h"

class QSqlDatabase;
class QString;

// "<writable AppDataLocation>/orvanta.db".
QString defaultPriceDatabasePath();

// Opens `database` (a "QSQLITE" connection the caller has added) on filePath, creating the folder
// first, then creates the missing tables and columns. Returns the first failure only: once a step
// fails, nothing after it runs. After OpenFailed the connection is closed.
StorageResult openPriceDatabase(QSqlDatabase &database, const QString &filePath);

// Creates missing tables and adds the columns later versions introduced; safe to run again.
StorageResult upgradePriceDatabase(QSqlDatabase &database);
