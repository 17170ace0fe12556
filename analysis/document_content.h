#pragma once

#include <QByteArray>
#include <QString>

// What a document is by its first bytes, whatever its name says.
enum class DocumentContent
{
    Unknown,
    Pdf,
    ZipPackage,   // DOCX, or a WPS of the newer kind
    CompoundFile, // DOC, or a WPS of the older kind
    Image,        // JPEG, PNG, GIF, TIFF, BMP or WebP
    WordText,     // RTF or HTML, which word processors also save under .doc
};

DocumentContent documentContentOf(const QByteArray &head);
// The same for the first bytes of a file; Unknown when it cannot be read.
DocumentContent documentContentOfFile(const QString &path);
