#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The last resort for a PDF that no reader opens: its page objects ("/Type /Page" dictionaries,
// never "/Pages" nor a longer name) counted by reading the bytes once, front to back, with no
// cross-reference table or trailer needed. An object number defined again later (an incremental
// update) counts as its last definition says; page objects inside Flate-compressed object streams
// count too. When the latest catalogue's page tree reaches some of them, only those count, so
// pages an edit left behind do not; without a tree (cut off, say) every page object counts. The
// answer is an estimate. Memory and work are bounded whatever the bytes.
class PdfPageObjectScanner
{
public:
    PdfPageObjectScanner();
    ~PdfPageObjectScanner();
    PdfPageObjectScanner(const PdfPageObjectScanner &) = delete;
    PdfPageObjectScanner &operator=(const PdfPageObjectScanner &) = delete;

    // The file's bytes in order, in pieces of any size.
    void feed(const char *data, qsizetype size);
    // The count once every byte has been fed; the scanner is spent afterwards.
    int finish();

private:
    class Lexer;
    struct Scan;
    std::unique_ptr<Scan> m_scan;
};

int scanPdfPageObjects(const QByteArray &bytes);

// The same over a file read in pieces; 0 when it cannot be read.
int estimatePdfPageCount(const QString &path);
