#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QXmlStreamReader>

// Page count from the bytes of docProps/app.xml: the first "Pages" element, trimmed, as a positive
// 32-bit int; 0 when there is none or it is not a positive number.
int docxPageCountFromXml(const QByteArray &appXml);

// Finds the first section page size (w:pgSz with positive w and h, in twips) of word/document.xml
// handed over in pieces, so that a part of any size is scanned in bounded memory.
class DocxPageSizeScanner
{
public:
    // Returns true while more data is wanted: no usable page size yet and no XML error.
    bool addData(QByteArrayView data);
    bool found() const { return m_found; }
    double widthPoints() const { return m_widthTwips / 20.0; }
    double heightPoints() const { return m_heightTwips / 20.0; }
    // paperSizeLabel() of the page size, or empty when none was found.
    QString paperSize() const;

private:
    bool scan();

    QXmlStreamReader m_reader;
    qint64 m_bytesSinceToken = 0;
    bool m_found = false;
    bool m_finished = false;
    double m_widthTwips = 0;
    double m_heightTwips = 0;
};

// The paper-size text of the first section of a whole word/document.xml.
QString docxPaperSizeFromXml(const QByteArray &documentXml);
