#include "analysis/docx_xml.h"

#include "analysis/paper_size.h"

#include <QtNumeric>

namespace {

// The reader keeps an unfinished token in memory until it ends. No honest markup token in a
// document part comes near this size; a larger one is treated as malformed so that a hostile
// part (one endless text node or attribute) cannot make the reader hold it whole.
constexpr qint64 kMaxTokenBytes = 16 * 1024 * 1024;

double twipsAttribute(const QXmlStreamAttributes &attributes, QLatin1StringView localName)
{
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (attribute.name() == localName) {
            bool ok = false;
            const double value = attribute.value().toDouble(&ok);
            return ok && qIsFinite(value) ? value : 0.0;
        }
    }
    return 0.0;
}

} // namespace

int docxPageCountFromXml(const QByteArray &appXml)
{
    QXmlStreamReader reader(appXml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name() == QLatin1StringView("Pages")) {
            bool ok = false;
            const int pages = reader.readElementText().trimmed().toInt(&ok, 10);
            return ok && pages > 0 ? pages : 0;
        }
    }
    return 0;
}

bool DocxPageSizeScanner::addData(QByteArrayView data)
{
    if (m_found || m_finished)
        return false;
    m_reader.addData(data.toByteArray());
    m_bytesSinceToken += data.size();
    return scan();
}

bool DocxPageSizeScanner::scan()
{
    for (;;) {
        const QXmlStreamReader::TokenType token = m_reader.readNext();
        if (token == QXmlStreamReader::Invalid) {
            if (m_reader.error() != QXmlStreamReader::PrematureEndOfDocumentError ||
                m_bytesSinceToken > kMaxTokenBytes)
                m_finished = true;
            return !m_finished;
        }
        m_bytesSinceToken = 0;
        if (token == QXmlStreamReader::EndDocument) {
            m_finished = true;
            return false;
        }
        if (token == QXmlStreamReader::StartElement && m_reader.name() == QLatin1StringView("pgSz")) {
            const QXmlStreamAttributes attributes = m_reader.attributes();
            const double width = twipsAttribute(attributes, QLatin1StringView("w"));
            const double height = twipsAttribute(attributes, QLatin1StringView("h"));
            if (width > 0 && height > 0) {
                m_widthTwips = width;
                m_heightTwips = height;
                m_found = true;
                return false;
            }
        }
    }
}

QString DocxPageSizeScanner::paperSize() const
{
    return m_found ? paperSizeLabel(widthPoints(), heightPoints()) : QString();
}

QString docxPaperSizeFromXml(const QByteArray &documentXml)
{
    DocxPageSizeScanner scanner;
    constexpr qsizetype kPiece = 64 * 1024;
    for (qsizetype offset = 0; offset < documentXml.size(); offset += kPiece) {
        const qsizetype length = qMin(kPiece, documentXml.size() - offset);
        if (!scanner.addData(QByteArrayView(documentXml.constData() + offset, length)))
            break;
    }
    return scanner.paperSize();
}
