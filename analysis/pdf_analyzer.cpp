#include "analysis/pdf_analyzer.h"

#include "analysis/paper_size.h"
#include "analysis/pdf_page_tree.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <exception>
#include <mutex>

#include <qpdf/qpdf-c.h>
#include <qpdf/qpdflogger-c.h>

namespace {

// qpdf is used from several pool threads; one handle at a time in the whole process.
std::mutex &qpdfMutex()
{
    static std::mutex mutex;
    return mutex;
}

// A logger that drops everything, so that no message of qpdf's ever reaches the terminal,
// whatever path inside the library produced it.
class SilentLogger
{
public:
    SilentLogger() : m_logger(qpdflogger_create())
    {
        qpdflogger_set_info(m_logger, qpdf_log_dest_discard, nullptr, nullptr);
        qpdflogger_set_warn(m_logger, qpdf_log_dest_discard, nullptr, nullptr);
        qpdflogger_set_error(m_logger, qpdf_log_dest_discard, nullptr, nullptr);
    }
    ~SilentLogger() { qpdflogger_cleanup(&m_logger); }
    SilentLogger(const SilentLogger &) = delete;
    SilentLogger &operator=(const SilentLogger &) = delete;

    qpdflogger_handle handle() const { return m_logger; }

private:
    qpdflogger_handle m_logger;
};

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

constexpr qint64 kInMemoryLimit = 16 * 1024 * 1024;

PdfSource loadSource(const QString &path)
{
    const QFileInfo info(path);
    PdfSource source;
    // A FIFO or device would block or never end; a name with an embedded NUL would make qpdf
    // open a different file.
    const QByteArray fileName = info.absoluteFilePath().toUtf8();
    if (!info.isFile() || fileName.contains('\0'))
        return source;
    source.fileName = fileName;
    QFile file(path);
    if (file.size() <= kInMemoryLimit && file.open(QIODevice::ReadOnly)) {
        source.bytes = file.read(kInMemoryLimit);
        source.inMemory = file.error() == QFileDevice::NoError;
    }
    return source;
}

// One opened document; the qpdf handle is released on every path.
class OpenedPdf
{
public:
    explicit OpenedPdf(const PdfSource &source) : m_pdf(qpdf_init())
    {
        // Errors go to stderr unless silenced, and warnings about damaged files unless
        // suppressed; both stay available through the handle.
        qpdf_silence_errors(m_pdf);
        qpdf_set_suppress_warnings(m_pdf, QPDF_TRUE);
        qpdf_set_logger(m_pdf, m_logger.handle());
        if (source.fileName.isEmpty())
            return;
        const QPDF_ERROR_CODE code =
            source.inMemory ? qpdf_read_memory(m_pdf, source.fileName.constData(), source.bytes.constData(),
                                               static_cast<unsigned long long>(source.bytes.size()), "")
                            : qpdf_read(m_pdf, source.fileName.constData(), "");
        m_readable = (code & QPDF_ERRORS) == 0 && !qpdf_has_error(m_pdf);
    }
    ~OpenedPdf()
    {
        // qpdf_cleanup prints a pending error to stderr as "not handled"; taking it handles it.
        qpdf_get_error(m_pdf);
        qpdf_cleanup(&m_pdf);
    }
    OpenedPdf(const OpenedPdf &) = delete;
    OpenedPdf &operator=(const OpenedPdf &) = delete;

    bool isReadable() const { return m_readable; }
    qpdf_data handle() const { return m_pdf; }

private:
    SilentLogger m_logger;
    qpdf_data m_pdf;
    bool m_readable = false;
};

PdfFacts readPdfSource(const PdfSource &source, bool measureFirstPage)
{
    const std::lock_guard<std::mutex> lock(qpdfMutex());
    // The source's bytes outlive the handle, which reads from them without a copy.
    const OpenedPdf pdf(source);
    PdfFacts facts;
    if (!pdf.isReadable())
        return facts;
    int pages = qpdf_get_num_pages(pdf.handle());
    qpdf_oh firstPage = 0;
    if (pages < 0) {
        // qpdf refuses a page tree that refers to a node twice or loops; other readers print
        // such files, so count the distinct pages ourselves.
        qpdf_get_error(pdf.handle());
        const PdfPageWalk walk = walkPageTree(pdf.handle());
        pages = walk.pageCount;
        firstPage = walk.firstPage;
    } else if (pages > 0 && measureFirstPage) {
        firstPage = qpdf_get_page_n(pdf.handle(), 0);
    }
    facts.pageCount = pages > 0 ? pages : 0;
    if (!measureFirstPage || pages < 1 || firstPage == 0)
        return facts;
    const PdfPageSize size = displayedPageSize(pdf.handle(), firstPage);
    if (size.width > 0 && size.height > 0)
        facts.paperSize = paperSizeLabel(size.width, size.height);
    return facts;
}

// Failures are data: nothing, not even an allocation failure, leaves an analyser as an exception.
PdfFacts readPdf(const QString &path, bool measureFirstPage)
{
    try {
        return readPdfSource(loadSource(path), measureFirstPage);
    } catch (const std::exception &) {
        return PdfFacts();
    }
}

} // namespace

int pdfPageCount(const QString &path)
{
    return readPdf(path, false).pageCount;
}

QString pdfPaperSize(const QString &path)
{
    return readPdf(path, true).paperSize;
}

PdfFacts pdfAnalyze(const QString &path)
{
    return readPdf(path, true);
}
