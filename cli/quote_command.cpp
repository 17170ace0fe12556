#include "cli/quote_command.h"

#include "analysis/document_info.h"
#include "cli/document_analysis.h"
#include "cli/quote_archive.h"
#include "cli/page_detail_measuring.h"
#include "cli/quote_output.h"
#include "cli/stored_pricing.h"
#include "cli/word_rendering.h"
#include "export/gui_quote_pdf.h"
#include "export/page_count_marks.h"
#include "export/quote_html.h"
#include "export/quote_lines.h"
#include "export/quote_workbook.h"
#include "pricing/regional_format.h"
#include "storage/ui_language.h"

#include <QDateTime>

#include <memory>

namespace {

// "--name value" or "--name=value"; advances i past the value.
bool takeValue(const QStringList &arguments, int &i, const QString &name, QString &value, QString &error)
{
    const QString &argument = arguments.at(i);
    if (argument.startsWith(name + QLatin1Char('='))) {
        value = argument.mid(name.size() + 1);
    } else if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-'))) {
        value = arguments.at(++i);
    } else {
        error = QStringLiteral("%1 needs a value").arg(name);
        return false;
    }
    if (value.isEmpty())
        error = QStringLiteral("%1 needs a value").arg(name);
    return error.isEmpty();
}

bool isOption(const QString &argument, const char *name)
{
    return argument == QLatin1String(name) || argument.startsWith(QLatin1String(name) + QLatin1Char('='));
}

// The stored key of a profile given by key or by the name the selector shows.
QString profileKeyFor(const PriceProfileMap &profiles, const QString &name)
{
    for (auto it = profiles.cbegin(); it != profiles.cend(); ++it) {
        if (it.key() == name || profileDisplayName(it.key()) == name)
            return it.key();
    }
    return {};
}

} // namespace

QString parseQuoteOptions(const QStringList &arguments, QuoteOptions &options)
{
    QString error;
    QString value;
    bool pathsOnly = false;
    for (int i = 0; i < arguments.size() && error.isEmpty(); ++i) {
        const QString &argument = arguments.at(i);
        if (pathsOnly || !argument.startsWith(QLatin1Char('-'))) {
            options.paths.append(argument);
        } else if (argument == QLatin1String("--")) {
            pathsOnly = true;
        } else if (argument == QLatin1String("--no-save")) {
            options.save = false;
        } else if (argument == QLatin1String("--json")) {
            options.json = true;
        } else if (argument == QLatin1String("--duplex") || argument == QLatin1String("--simplex")) {
            options.duplex = argument == QLatin1String("--duplex");
        } else if (isOption(argument, "--profile")) {
            takeValue(arguments, i, QStringLiteral("--profile"), options.profileName, error);
        } else if (isOption(argument, "--color")) {
            if (takeValue(arguments, i, QStringLiteral("--color"), options.colorMode, error) &&
                !colorModeKeys().contains(options.colorMode))
                error = QStringLiteral("unknown colour mode: %1 (use %2)")
                            .arg(options.colorMode, colorModeKeys().join(QLatin1String(", ")));
        } else if (isOption(argument, "--binding")) {
            takeValue(arguments, i, QStringLiteral("--binding"), options.binding, error);
        } else if (isOption(argument, "--copies")) {
            bool ok = false;
            if (takeValue(arguments, i, QStringLiteral("--copies"), value, error))
                options.copies = value.toInt(&ok, 10);
            if (error.isEmpty() && (!ok || options.copies < 1 || options.copies > 9999))
                error = QStringLiteral("--copies must be a whole number from 1 to 9999: %1").arg(value);
        } else if (isOption(argument, "--pdf")) {
            takeValue(arguments, i, QStringLiteral("--pdf"), options.pdfPath, error);
        } else if (isOption(argument, "--xlsx")) {
            takeValue(arguments, i, QStringLiteral("--xlsx"), options.xlsxPath, error);
        } else {
            error = QStringLiteral("unknown option: %1").arg(argument);
        }
    }
    if (error.isEmpty() && options.paths.isEmpty())
        error = QStringLiteral("quote needs at least one file or folder");
    return error;
}

int runQuoteCommand(const QuoteOptions &options, FILE *out, FILE *err)
{
    const StoredPricing pricing = loadStoredPricing();
    if (!pricing.result.ok()) {
        std::fprintf(err, "orvanta-cli: the price database could not be read: %s\n",
                     qPrintable(pricing.result.databaseText));
        return 1;
    }
    QString profileKey = pricing.activeName;
    if (!options.profileName.isEmpty()) {
        profileKey = profileKeyFor(pricing.profiles, options.profileName);
        if (profileKey.isEmpty()) {
            QStringList names;
            for (auto it = pricing.profiles.cbegin(); it != pricing.profiles.cend(); ++it)
                names.append(profileDisplayName(it.key()));
            std::fprintf(err, "orvanta-cli: no price profile named %s (stored: %s)\n",
                         qPrintable(options.profileName), qPrintable(names.join(QLatin1String(", "))));
            return 2;
        }
    }
    const QStringList bindings = bindingKeys(pricing.customBindingMethods);
    if (!bindings.contains(options.binding)) {
        std::fprintf(err, "orvanta-cli: unknown binding: %s (use %s)\n", qPrintable(options.binding),
                     qPrintable(bindings.join(QLatin1String(", "))));
        return 2;
    }

    const DocumentInput input = collectDocuments(options.paths, err);
    if (!input.allPathsExist)
        return 1;

    QuoteSnapshot snapshot;
    snapshot.profile = pricing.profiles.value(profileKey, pricing.baseProfile);
    snapshot.profileName = profileKey.isEmpty() ? QString() : profileDisplayName(profileKey);
    snapshot.customBindingMethods = pricing.customBindingMethods;
    snapshot.duplex = options.duplex.value_or(pricing.duplex);
    snapshot.createdAt = QDateTime::currentDateTime();
    const QuoteChoices choices{options.colorMode, options.binding, options.copies};
    const MoneyFormat format(snapshot.profile);
    QList<DocumentInfo> documents;
    analyzeInInputOrder(input.documents, [&documents](const DocumentInfo &info) { documents.append(info); });
    // Like the window: Word files rendered once every count is in, priced by their stored count
    // unless they store none; their page details come from that rendering.
    const QList<WordRendering> renderings = renderWordDocuments(documents);
    for (int i = 0; i < documents.size(); ++i)
        applyWordRendering(documents[i], renderings.at(i));
    // Page details matter only to a profile that prices page by page; like the window, they are
    // measured once every page count is known.
    QList<PageDetails> details(documents.size());
    if (snapshot.profile.pricePageByPage)
        details = measureAllPageDetails(documents, renderings, err);
    for (qsizetype i = 0; i < documents.size(); ++i) {
        QuoteRow row = quoteRowForDocument(documents.at(i), choices, snapshot.profile, snapshot.duplex,
                                           format, details.at(i));
        row.pageCountMark = pageCountMark(renderings.at(i), false);
        snapshot.rows.append(row);
    }

    // Only a quote written out is issued; it is numbered against the stored ones and kept.
    const bool issuing = options.save && (!options.pdfPath.isEmpty() || !options.xlsxPath.isEmpty());
    std::unique_ptr<QuoteArchive> archive = issuing ? std::make_unique<QuoteArchive>() : nullptr;
    issueQuote(snapshot,
               archive ? archive->nextNumber(snapshot.createdAt) : makeQuoteNumber(snapshot.createdAt),
               currentLanguageCode());

    const QByteArray printed =
        options.json ? quoteJson(snapshot, documents, renderings) : quoteTable(snapshot, documents);
    std::fwrite(printed.constData(), 1, size_t(printed.size()), out);
    std::fflush(out);

    int status = 0;
    bool written = false;
    if (!options.pdfPath.isEmpty()) {
        const QuotePdfResult pdf = writeQuotePdf(buildQuoteHtml(snapshot), format.locale(), options.pdfPath);
        if (!pdf.written) {
            std::fprintf(err, "orvanta-cli: %s not written: %s\n", qPrintable(options.pdfPath),
                         qPrintable(pdf.errorText));
            status = 1;
        }
        written = written || pdf.written;
    }
    if (!options.xlsxPath.isEmpty()) {
        const WorkbookResult workbook = writeQuoteWorkbook(snapshot, options.xlsxPath);
        if (workbook.status != WorkbookStatus::Written) {
            std::fprintf(err, "orvanta-cli: %s not written: %s\n", qPrintable(options.xlsxPath),
                         qPrintable(workbook.errorText));
            status = 1;
        }
        written = written || workbook.status == WorkbookStatus::Written;
    }
    // The documents stay whatever happens to the history; a failure there is only said.
    if (archive && written) {
        const QString error = archive->save(snapshot);
        if (error.isEmpty())
            std::fprintf(err, "orvanta-cli: saved as quote %s\n", qPrintable(snapshot.quoteNumber));
        else
            std::fprintf(err, "orvanta-cli: quote %s was not saved in the quote history: %s\n",
                         qPrintable(snapshot.quoteNumber), qPrintable(error));
    }
    return status;
}
