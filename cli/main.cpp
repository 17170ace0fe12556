#include "analysis/page_detail_worker.h"
#include "cli/analyze_command.h"
#include "cli/quote_command.h"
#include "orvanta_version.h"
#include "cli/quotes_command.h"
#include "storage/ui_language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

const char usage[] =
    "Usage: orvanta-cli analyze [--pages] PATH...\n"
    "  or:  orvanta-cli quote [OPTIONS] PATH...\n"
    "  or:  orvanta-cli quotes list [--json] [--customer TEXT] [--since YYYY-MM-DD]\n"
    "  or:  orvanta-cli quotes show NUMBER [--json]\n"
    "  or:  orvanta-cli quotes export NUMBER --pdf FILE | --xlsx FILE\n"
    "  or:  orvanta-cli --version\n"
    "\n"
    "analyze: analyses documents as the Orvanta window does and prints one JSON object per document\n"
    "on its own line, in input order, with the fields filePath, fileName, fileType,\n"
    "pageCount (below 1: not detected) and paperSize (empty: not detected); pageCountEstimated is\n"
    "true when no reader opened a damaged PDF and its page objects were counted instead.\n"
    "  --pages          also colorPages (pages that print in colour) and pageSizes (pages per paper\n"
    "                   size, as \"A4 38, A3 2\"; empty when the document gives no page details),\n"
    "                   from a slower second pass that renders every page of a PDF, and renderedPages\n"
    "                   and pageCountSource (stored or rendered): Word files are rendered with\n"
    "                   LibreOffice, when installed; one storing no page count is counted by it\n"
    "\n"
    "quote: analyses the documents the same way, prices them as the window would list them and\n"
    "prints the lines and totals as a table. Options:\n"
    "  --profile NAME   price profile from the window's database (default: the active one)\n"
    "  --color MODE     blackWhite (default), inkjetColor or laserColor\n"
    "  --binding KEY    none (default), cornerStaple, doubleStaple, saddleStitch, perfectBinding,\n"
    "                   combBinding, wireOBinding, coilBinding or a custom key (custom:...)\n"
    "  --copies N       copies of every document, 1 to 9999 (default 1)\n"
    "  --duplex         double-sided; --simplex single-sided (default: the window's print mode)\n"
    "  --json           print one JSON object instead: \"lines\" (fileName, pageCount, paperSize,\n"
    "                   colorMode, copies, unitPrice, binding, amount, renderedPages,\n"
    "                   pageCountSource, pageCountMismatch) and \"totals\" (itemsSubtotal,\n"
    "                   setupFee, volumeDiscount, quoteDiscount, preTaxAmount, taxAmount,\n"
    "                   grandTotal, currency)\n"
    "  --pdf FILE       also write the PDF quotation the window exports\n"
    "  --xlsx FILE      also write the Excel workbook the window exports\n"
    "  --no-save        do not keep the quote in the window's quote history\n"
    "  --               every later argument is a path\n"
    "The database and settings are only read, except that a quote written as PDF or workbook is\n"
    "added to the quote history. A file is written completely or not at all; an existing file is\n"
    "replaced only by a complete one.\n"
    "\n"
    "quotes: the quote history the window and the quote command keep. list prints number, date,\n"
    "customer, files, pages and total, newest first (--customer: customers containing TEXT;\n"
    "--since: created on or after the date); show prints one quote with its lines; export writes\n"
    "the PDF or workbook again, with the figures and labels it was issued with.\n"
    "\n"
    "Folders are searched recursively (hidden entries and symbolic links are skipped).\n"
    "Supported: pdf, doc, docx, wps, jpg, jpeg, png, bmp, gif, webp, tif, tiff.\n"
    "Unsupported files are named on standard error and skipped.\n"
    "\n"
    "Exit status: 0 on success; 1 when an input path does not exist, the price database cannot be\n"
    "read, a saved quote is not found or an output file cannot be written (quote then writes\n"
    "nothing for a missing input);\n"
    "2 for usage errors, an unknown profile, colour mode or binding.\n";

int usageError(const QString &message)
{
    std::fprintf(stderr, "orvanta-cli: %s\n\n%s", qPrintable(message), usage);
    return 2;
}

int runAnalyze(QStringList arguments)
{
    const bool pageDetails = !arguments.isEmpty() && arguments.first() == QLatin1String("--pages");
    if (pageDetails)
        arguments.removeFirst();
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--"))
        arguments.removeFirst();
    else if (!arguments.isEmpty() && arguments.first().startsWith(QLatin1Char('-')))
        return usageError(QStringLiteral("unknown option: %1").arg(arguments.first()));
    if (arguments.isEmpty())
        return usageError(QStringLiteral("analyze needs at least one file or folder"));
    return runAnalyzeCommand(arguments, pageDetails, stdout, stderr);
}

int runQuote(const QStringList &arguments)
{
    QuoteOptions options;
    const QString error = parseQuoteOptions(arguments, options);
    if (!error.isEmpty())
        return usageError(error);
    // Quotations are laid out with the window's labels and fonts, never shown.
    QTranslator translator;
    if (translator.load(translationResourceFor(currentLanguageCode())))
        QCoreApplication::installTranslator(&translator);
    return runQuoteCommand(options, stdout, stderr);
}

int runQuotes(const QStringList &arguments)
{
    const int status = runQuotesCommand(arguments, stdout, stderr);
    if (status == 2)
        std::fprintf(stderr, "\n%s", usage);
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], kPageDetailWorkerArgument) == 0) {
        // A helper of the window or of another orvanta-cli; not for people, so not in the usage.
        QCoreApplication app(argc, argv);
        return runPageDetailWorker();
    }
    const bool quote = argc > 1 && (qstrcmp(argv[1], "quote") == 0 || qstrcmp(argv[1], "quotes") == 0);
    std::unique_ptr<QCoreApplication> app;
    if (quote) {
        // The quotation is painted without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly"));
    QStringList arguments = QCoreApplication::arguments().mid(1);

    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (arguments.value(0) == QLatin1String("--version")) {
        std::puts("orvanta-cli " ORVANTA_VERSION);
        return 0;
    }
    if (arguments.isEmpty())
        return usageError(QStringLiteral("missing command"));
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("analyze"))
        return runAnalyze(arguments);
    if (command == QLatin1String("quote"))
        return runQuote(arguments);
    if (command == QLatin1String("quotes"))
        return runQuotes(arguments);
    return usageError(QStringLiteral("unknown command"));
}
