#include "analysis/qpdf_document.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kInMemoryLimit = 16 * 1024 * 1024;

} // namespace

std::mutex &qpdfMutex()
{
    static std::mutex mutex;
    return mutex;
}

PdfSource loadPdfSource(const QString &path)
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

SilentLogger::SilentLogger() : m_logger(qpdflogger_create())
{
    qpdflogger_set_info(m_logger, qpdf_log_dest_discard, nullptr, nullptr);
    qpdflogger_set_warn(m_logger, qpdf_log_dest_discard, nullptr, nullptr);
    qpdflogger_set_error(m_logger, qpdf_log_dest_discard, nullptr, nullptr);
}

SilentLogger::~SilentLogger()
{
    qpdflogger_cleanup(&m_logger);
}

OpenedPdf::OpenedPdf(const PdfSource &source) : m_pdf(qpdf_init())
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

OpenedPdf::~OpenedPdf()
{
    // qpdf_cleanup prints a pending error to stderr as "not handled"; taking it handles it.
    qpdf_get_error(m_pdf);
    qpdf_cleanup(&m_pdf);
}
