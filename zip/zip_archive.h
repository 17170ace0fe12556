#pragma once

#include <QByteArray>
#include <QString>

class ZipArchive
{
public:
    // The uncompressed bytes of one entry, matched by its exact UTF-8 name. On failure an empty
    // array and, when error is not null, a translated message (context "ZipArchive").
    static QByteArray readEntry(const QString &zipPath, const QString &entryName, QString *error = nullptr);
};
