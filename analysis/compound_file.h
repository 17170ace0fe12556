#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

class QIODevice;

// Read-only access to the streams of an OLE compound file ([MS-CFB], versions 3 and 4).
// Every sector number, chain and size is checked against the data actually present, so a damaged
// or hostile file only makes open() or readStream() fail; nothing larger than the file is allocated.
class CompoundFile
{
public:
    // The device must be open for reading and outlive this object.
    explicit CompoundFile(QIODevice *device);

    // Reads the header, the FAT, the mini FAT and the directory. False when the data is not a
    // well-formed compound file.
    bool open();

    // Whole contents of a stream directly below the root storage, looked up by name the way the
    // format compares names. Nothing when missing, empty, larger than 2^31 - 1 bytes or damaged.
    std::optional<QByteArray> readStream(const QString &name) const;

private:
    struct DirectoryEntry
    {
        QString name;
        quint8 type = 0;
        quint32 left = 0;
        quint32 right = 0;
        quint32 child = 0;
        quint32 startSector = 0;
        quint64 size = 0;
    };

    bool loadFat(const QByteArray &header);
    bool loadDirectory(quint32 firstSector);
    bool loadMiniStream(quint32 firstMiniFatSector);

    qint64 sectorOffset(quint32 sector) const;
    bool readAt(qint64 offset, char *buffer, qint64 length) const;
    std::optional<QVector<quint32>> chain(const QVector<quint32> &table, quint32 start, quint32 limit,
                                          qint64 wanted) const;
    std::optional<int> findChild(int storage, const QString &name) const;
    std::optional<QByteArray> readRegular(quint32 start, qint64 size) const;
    std::optional<QByteArray> readMini(quint32 start, qint64 size) const;

    QIODevice *m_device = nullptr;
    qint64 m_fileSize = 0;
    int m_majorVersion = 3;
    int m_sectorShift = 9;
    quint32 m_sectorSize = 512;
    quint32 m_sectorCount = 0; // sectors that start inside the file
    QVector<quint32> m_fat;
    QVector<quint32> m_miniFat;
    QVector<DirectoryEntry> m_entries;
    QVector<quint32> m_miniStreamSectors; // the root entry's chain, which holds the mini stream
    qint64 m_miniStreamSize = 0;
    bool m_open = false;
};

// Orders two directory entry names as the compound file format does: the shorter name first,
// then code unit by code unit after upper-casing. Negative, zero or positive.
int compareDirectoryNames(const QString &a, const QString &b);
