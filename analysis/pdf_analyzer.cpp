#include "analysis/pdf_analyzer.h"

#include "analysis/paper_size.h"

#include <QFile>
#include <QMutex>

#include <qpdf/qpdf-c.h>

#include <cmath>

namespace {

QMutex &pdfMutex()
{
    static QMutex mutex;
    return mutex;
}

class PdfHandle
{
public:
    explicit PdfHandle(const QString &path) : m_pdf(qpdf_init())
    {
        qpdf_silence_errors(m_pdf);
        m_ok = (qpdf_read(m_pdf, QFile::encodeName(path).constData(), nullptr) & QPDF_ERRORS) == 0;
    }
    ~PdfHandle() { qpdf_cleanup(&m_pdf); }
    PdfHandle(const PdfHandle &) = delete;
    PdfHandle &operator=(const PdfHandle &) = delete;

    qpdf_data get() const { return m_pdf; }
    bool ok() const { return m_ok; }

private:
    qpdf_data m_pdf;
    bool m_ok = false;
};

double number(qpdf_data pdf, qpdf_oh array, int index)
{
    const qpdf_oh item = qpdf_oh_get_array_item(pdf, array, index);
    return qpdf_oh_is_number(pdf, item) ? qpdf_oh_get_numeric_value(pdf, item) : 0;
}

} // namespace

int pdfPageCount(const QString &path)
{
    QMutexLocker lock(&pdfMutex());
    PdfHandle pdf(path);
    if (!pdf.ok())
        return 0;
    const int pages = qpdf_get_num_pages(pdf.get());
    return pages > 0 ? pages : 0;
}

QString pdfPaperSize(const QString &path)
{
    QMutexLocker lock(&pdfMutex());
    PdfHandle pdf(path);
    if (!pdf.ok() || qpdf_get_num_pages(pdf.get()) < 1)
        return {};
    qpdf_data q = pdf.get();
    const qpdf_oh page = qpdf_get_page_n(q, 0);
    const qpdf_oh box = qpdf_oh_get_key_if_dict(q, page, "/MediaBox");
    if (!qpdf_oh_is_array(q, box) || qpdf_oh_get_array_n_items(q, box) != 4)
        return {};
    double width = std::abs(number(q, box, 2) - number(q, box, 0));
    double height = std::abs(number(q, box, 3) - number(q, box, 1));
    const qpdf_oh rotate = qpdf_oh_get_key_if_dict(q, page, "/Rotate");
    if (qpdf_oh_is_integer(q, rotate) && std::abs(qpdf_oh_get_int_value_as_int(q, rotate)) % 180 == 90)
        std::swap(width, height);
    return paperSizeLabel(width, height);
}
