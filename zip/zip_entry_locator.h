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

// Random access to an archive's bytes, in memory or in a file read piece by piece.
class ZipByteSource
{
public:
    virtual ~ZipByteSource() = default;
    virtual qint64 size() const = 0;
    // Exactly `length` bytes from `offset`, or an empty array when they cannot all be read (the
    // range lies outside the archive, or the file shrank or went away since it was opened).
    virtual QByteArray read(qint64 offset, qint64 length) const = 0;
};

// Finds the entry named by the exact UTF-8 bytes through the end record, the central directory
// and the local header, checking every offset against the archive's size. Only those parts are
// read. Encrypted entries are refused. On failure sets the translated message when error is not
// null.
bool locateZipEntry(const ZipByteSource &archive, const QByteArray &utf8Name, ZipEntryLocation *location,
                    QString *error);
