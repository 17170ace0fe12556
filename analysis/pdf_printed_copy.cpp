// qpdf 11's C++ headers warn unless told that no old PointerHolder code is around.
#define POINTERHOLDER_TRANSITION 4

#include "analysis/pdf_printed_copy.h"

#include "analysis/qpdf_document.h"

#include <QTemporaryFile>

#include <qpdf/Constants.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace {

bool hasAnnotations(QPDFPageDocumentHelper &pages)
{
    for (QPDFPageObjectHelper &page : pages.getAllPages()) {
        QPDFObjectHandle annotations = page.getObjectHandle().getKey("/Annots");
        if (annotations.isArray() && annotations.getArrayNItems() > 0)
            return true;
    }
    return false;
}

bool writeCopy(const PdfSource &source, QTemporaryFile &copy)
{
    const std::lock_guard<std::mutex> lock(qpdfMutex());
    QPDF pdf;
    // Nothing of qpdf's reaches the terminal, whatever the file.
    const auto logger = QPDFLogger::create();
    logger->setInfo(logger->discard());
    logger->setWarn(logger->discard());
    logger->setError(logger->discard());
    pdf.setLogger(logger);
    pdf.setSuppressWarnings(true);
    // The source's bytes outlive the QPDF object, which reads from them without a copy.
    if (source.inMemory)
        pdf.processMemoryFile(source.fileName.constData(), source.bytes.constData(),
                              size_t(source.bytes.size()));
    else
        pdf.processFile(source.fileName.constData());
    QPDFPageDocumentHelper pages(pdf);
    if (!hasAnnotations(pages))
        return false;
    QPDFAcroFormDocumentHelper forms(pdf);
    if (forms.hasAcroForm())
        forms.generateAppearancesIfNeeded();
    pages.flattenAnnotations(an_print, an_invisible | an_hidden);
    if (!copy.open())
        return false;
    QPDFWriter writer(pdf, copy.fileName().toUtf8().constData());
    writer.write();
    return true;
}

} // namespace

bool writePrintedCopy(const QString &path, QTemporaryFile &copy)
{
    try {
        const PdfSource source = loadPdfSource(path);
        return !source.fileName.isEmpty() && writeCopy(source, copy);
    } catch (const std::exception &) {
        return false;
    }
}
