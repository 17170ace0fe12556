#include "analysis/legacy_doc_analyzer.h"

#include "analysis/compound_file.h"
#include "analysis/kept_renderings.h"
#include "analysis/legacy_doc_batch.h"
#include "analysis/libreoffice_renderer.h"
#include "analysis/ole_property_set.h"
#include "analysis/paper_size.h"
#include "analysis/pdf_analyzer.h"
#include "analysis/word_fib.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Only regular files are opened: opening a FIFO or a device named .doc could block for ever.
bool openRegularFile(QFile &file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

} // namespace

int oleSummaryPageCount(const QString &path)
{
    QFile file(QFileInfo(path).absoluteFilePath());
    if (!openRegularFile(file))
        return 0;
    CompoundFile compound(&file);
    if (!compound.open())
        return 0;
    const auto stream = compound.readStream(QStringLiteral("\x05SummaryInformation"));
    if (!stream)
        return 0;
    return std::max(0, summaryInformationPageCount(*stream).value_or(0));
}

QString wordFibPaperSize(const QString &path)
{
    QFile file(QFileInfo(path).absoluteFilePath());
    if (!openRegularFile(file))
        return {};
    CompoundFile compound(&file);
    if (!compound.open())
        return {};
    const auto wordDocument = compound.readStream(QStringLiteral("WordDocument"));
    if (!wordDocument)
        return {};
    const auto tableName = wordTableStreamName(*wordDocument);
    if (!tableName)
        return {};
    const auto size =
        wordFirstSectionPageSize(*wordDocument, compound.readStream(*tableName).value_or(QByteArray()));
    if (!size)
        return {};
    return paperSizeLabel(size->widthPoints, size->heightPoints);
}

bool isWordAutomationAvailable()
{
    return !findLibreOfficeProgram().isEmpty();
}

QList<WordPageInfo> wordAutomationPageInfo(const QStringList &paths)
{
    // The PDF is kept for the Word rendering pass, which then need not render the file again.
    const auto count = [&paths](const QString &pdf) {
        const int pages = pdfPageCount(pdf);
        const int index = QFileInfo(pdf).baseName().toInt();
        if (pages > 0 && index >= 0 && index < paths.size())
            keepRenderedPdf(paths.at(index), pdf);
        return pages;
    };
    return libreOfficePageInfo(paths, findLibreOfficeProgram(), RenderedPdfReader{count, &pdfPaperSize});
}

QList<DocumentInfo> analyzeLegacyDocuments(const QStringList &paths)
{
    return analyzeLegacyDocumentsWith(paths, &wordAutomationPageInfo);
}
