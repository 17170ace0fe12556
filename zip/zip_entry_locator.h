#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Where one entry's data lies in an archive held in memory, with the sizes and CRC of its central
// directory header (never those of the local header or a data descriptor).
struct ZipEntryLocation
{
    quint16 method = 0;
    quint32 crc32 = 0;
    quint32 compressedSize = 0;
    quint32 uncompressedSize = 0;
    qint64 dataOffset = 0;
};

// Finds the entry named by the exact UTF-8 bytes through the end record, the central directory
// and the local header, checking every offset against the archive's size. Encrypted entries are
// refused. On failure sets the translated message when error is not null.
bool locateZipEntry(const QByteArray &archive, const QByteArray &utf8Name, ZipEntryLocation *location,
                    QString *error);
