#pragma once

#include "zip/zip_archive.h"

#include <QByteArray>
#include <QString>

// A file under tests/data, by its path there.
QString testData(const QString &relative);

// The whole file, or "unreadable" when it cannot be read.
QByteArray readFile(const QString &path);

// Writes the bytes, folders included; the path, or an empty string when that failed.
QString writeFile(const QString &path, const QByteArray &bytes);

// A ZIP archive of the entries in memory, written by the program's own writer.
QByteArray zipArchive(const QList<ZipEntry> &entries);
