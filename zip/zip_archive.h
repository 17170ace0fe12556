#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

// One file to put into an archive: its name (folders separated by '/') and its uncompressed bytes.
struct ZipEntry
{
    QString name;
    QByteArray data;
};

class ZipArchive
{
public:
    // The uncompressed bytes of one entry, matched by its exact UTF-8 name. On failure an empty
    // array and, when error is not null, a translated message (context "ZipArchive"). An entry
    // declaring more than maxSize (when not negative) uncompressed bytes is refused unread.
    static QByteArray readEntry(const QString &zipPath, const QString &entryName, QString *error = nullptr,
                                qint64 maxSize = -1);
    // The same on an archive already in memory.
    static QByteArray readEntryFromData(const QByteArray &archive, const QString &entryName,
                                        QString *error = nullptr, qint64 maxSize = -1);

    // Hands the entry's uncompressed bytes to sink in pieces of at most 64 KiB, valid only during
    // the call; memory stays bounded whatever the entry's size. When sink returns false nothing more is
    // handed over, but the rest is still inflated so that size and CRC are verified. True when the entry is
    // intact.
    using ChunkSink = std::function<bool(QByteArrayView chunk)>;
    static bool streamEntry(const QString &zipPath, const QString &entryName, const ChunkSink &sink,
                            QString *error = nullptr);
    static bool streamEntryFromData(const QByteArray &archive, const QString &entryName,
                                    const ChunkSink &sink, QString *error = nullptr);

    // Writes the entries in order, each deflated when that makes it smaller, through a save file:
    // the path holds either its previous content or the whole new archive. On failure false and,
    // when errorMessage is not null, the reason.
    static bool writeArchive(const QString &filePath, const QList<ZipEntry> &entries,
                             QString *errorMessage = nullptr);
};
