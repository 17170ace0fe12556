#include "analysis/document_scan.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString lowerSuffix(const QString &path)
{
    // Only the file name counts: a dot in a folder name is not a suffix.
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash)
        return {};
    return path.mid(dot + 1).toLower();
}

void removeDuplicates(QStringList &list)
{
    QSet<QString> seen;
    seen.reserve(list.size());
    QStringList unique;
    unique.reserve(list.size());
    for (const QString &entry : std::as_const(list)) {
        if (!seen.contains(entry)) {
            seen.insert(entry);
            unique.append(entry);
        }
    }
    list = unique;
}

} // namespace

bool isSupportedDocument(const QString &path)
{
    static const QSet<QString> suffixes = {
        QStringLiteral("pdf"),  QStringLiteral("doc"), QStringLiteral("docx"), QStringLiteral("wps"),
        QStringLiteral("docm"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
        QStringLiteral("bmp"),  QStringLiteral("gif"), QStringLiteral("webp"), QStringLiteral("tif"),
        QStringLiteral("tiff"),
    };
    return suffixes.contains(lowerSuffix(path));
}

bool isLegacyDocSuffix(const QString &path)
{
    return lowerSuffix(path) == QLatin1String("doc");
}

QString canonicalDocumentPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

void scanPath(const QString &path, QStringList &supported, QStringList &unsupported,
              QSet<QString> &visitedFolders)
{
    const QFileInfo info(path);
    if (info.isFile()) {
        const QString absolute = info.absoluteFilePath();
        (isSupportedDocument(absolute) ? supported : unsupported).append(absolute);
        return;
    }
    if (!info.isDir())
        return;

    QString key = info.canonicalFilePath();
    if (key.isEmpty())
        key = info.absoluteFilePath();
    key = QDir::cleanPath(key).toLower();
    if (visitedFolders.contains(key))
        return;
    visitedFolders.insert(key);

    const QDir dir(info.absoluteFilePath());
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries)
        scanPath(entry.absoluteFilePath(), supported, unsupported, visitedFolders);
}

DocumentScan scanPaths(const QStringList &paths)
{
    DocumentScan scan;
    QSet<QString> visited;
    for (const QString &path : paths)
        scanPath(path, scan.supported, scan.unsupported, visited);
    removeDuplicates(scan.supported);
    removeDuplicates(scan.unsupported);
    return scan;
}
