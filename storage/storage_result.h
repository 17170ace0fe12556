#pragma once

#include <QString>

// Outcome of one storage operation. The window shows at most one message box per failure,
// built from storageFailureTitle() and storageFailureText().
struct StorageResult
{
    enum Kind
    {
        Ok,
        OpenFailed,          // the file could not be opened
        UpgradeFailed,       // creating or upgrading the tables failed; later steps were skipped
        LoadFailed,          // the stored profiles could not be read; the connection was closed
        SaveFailed,          // the save was rolled back; the database keeps its previous content
        DatabaseUnavailable, // no open connection, so nothing was saved
    };

    Kind kind = Ok;
    QString databaseText; // the driver's error text, empty for Ok and DatabaseUnavailable

    bool ok() const { return kind == Ok; }
    static StorageResult failure(Kind kind, const QString &databaseText);
};

// Translated message-box title and text (context "MainWindow"); empty for Ok.
QString storageFailureTitle(const StorageResult &result);
QString storageFailureText(const StorageResult &result);
