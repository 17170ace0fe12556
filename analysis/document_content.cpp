#include "analysis/document_content.h"

#include "analysis/image_probe_formats.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A PDF reader finds the header anywhere in the first kilobyte.
constexpr qsizetype headSize = 1024;

bool isMarkup(const QByteArray &head)
{
    QByteArray text = head;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    text = text.trimmed().left(64).toLower();
    return text.startsWith('<') &&
           (text.startsWith("<html") || text.startsWith("<!doctype html") || text.startsWith("<?xml") ||
            text.startsWith("<head") || text.startsWith("<meta") || text.startsWith("<!--"));
}

} // namespace

DocumentContent documentContentOf(const QByteArray &head)
{
    const ByteView bytes(reinterpret_cast<const uchar *>(head.constData()), std::size_t(head.size()));
    if (head.left(headSize).contains("%PDF-"))
        return DocumentContent::Pdf;
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06"))
        return DocumentContent::ZipPackage;
    if (head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return DocumentContent::CompoundFile;
    if (looksLikeJpeg(bytes) || looksLikePng(bytes) || looksLikeGif(bytes) || looksLikeTiff(bytes) ||
        looksLikeBmp(bytes) || looksLikeWebp(bytes))
        return DocumentContent::Image;
    if (head.startsWith("{\\rtf") || isMarkup(head))
        return DocumentContent::WordText;
    return DocumentContent::Unknown;
}

DocumentContent documentContentOfFile(const QString &path)
{
    // A FIFO or device would block or never end.
    if (!QFileInfo(path).isFile())
        return DocumentContent::Unknown;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DocumentContent::Unknown;
    return documentContentOf(file.read(headSize));
}
