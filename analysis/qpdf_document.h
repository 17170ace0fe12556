#pragma once

#include <QByteArray>
#include <QString>

#include <mutex>

#include <qpdf/qpdf-c.h>
#include <qpdf/qpdflogger-c.h>

// qpdf is used from several pool threads; one handle at a time in the whole process.
std::mutex &qpdfMutex();

// What qpdf reads a document from. Small files are read into memory before the lock is
// taken: qpdf parses from a buffer several times faster than through its file reader, which
// seeks and refills for every object, and the reading overlaps other threads' parsing. Large
// files are left to the file reader so that memory stays bounded.
struct PdfSource
{
    QByteArray fileName; // absolute path in UTF-8, empty when the path cannot be a PDF
    QByteArray bytes;
    bool inMemory = false;
};

PdfSource loadPdfSource(const QString &path);

// A logger that drops everything, so that no message of qpdf's ever reaches the terminal,
// whatever path inside the library produced it.
class SilentLogger
{
public:
    SilentLogger();
    ~SilentLogger();
    SilentLogger(const SilentLogger &) = delete;
    SilentLogger &operator=(const SilentLogger &) = delete;

    qpdflogger_handle handle() const { return m_logger; }

private:
    qpdflogger_handle m_logger;
};

// One opened document; the qpdf handle is released on every path. Open it with qpdfMutex()
// held; the source's bytes must outlive it, qpdf reads from them without a copy.
class OpenedPdf
{
public:
    explicit OpenedPdf(const PdfSource &source);
    ~OpenedPdf();
    OpenedPdf(const OpenedPdf &) = delete;
    OpenedPdf &operator=(const OpenedPdf &) = delete;

    bool isReadable() const { return m_readable; }
    qpdf_data handle() const { return m_pdf; }

private:
    SilentLogger m_logger;
    qpdf_data m_pdf;
    bool m_readable = false;
};
