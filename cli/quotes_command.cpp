#include "cli/quotes_command.h"

#include "analysis/document_info.h"
#include "cli/quote_archive.h"
#include "cli/quote_output.h"
#include "export/gui_quote_documents.h"
#include "storage/quote_store.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct QuotesOptions
{
    QString command;
    QString number;
    bool json = false;
    QuoteFilter filter;
    QString pdfPath;
    QString xlsxPath;
};

QString parseQuotesOptions(const QStringList &arguments, QuotesOptions &options)
{
    if (arguments.isEmpty())
        return QStringLiteral("quotes needs list, show or export");
    options.command = arguments.first();
    if (options.command != QLatin1String("list") && options.command != QLatin1String("show") &&
        options.command != QLatin1String("export"))
        return QStringLiteral("unknown quotes command: %1").arg(options.command);
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--json") && options.command != QLatin1String("export")) {
            options.json = true;
        } else if (argument == QLatin1String("--customer") && options.command == QLatin1String("list")) {
            if (!hasValue)
                return QStringLiteral("--customer needs a value");
            options.filter.customer = arguments.at(++i);
        } else if (argument == QLatin1String("--since") && options.command == QLatin1String("list")) {
            options.filter.from = hasValue ? QDate::fromString(arguments.at(++i), Qt::ISODate) : QDate();
            if (!options.filter.from.isValid())
                return QStringLiteral("--since needs a date as YYYY-MM-DD");
        } else if ((argument == QLatin1String("--pdf") || argument == QLatin1String("--xlsx")) &&
                   options.command == QLatin1String("export")) {
            if (!hasValue)
                return QStringLiteral("%1 needs a file").arg(argument);
            (argument == QLatin1String("--pdf") ? options.pdfPath : options.xlsxPath) = arguments.at(++i);
        } else if (!argument.startsWith(QLatin1Char('-')) && options.command != QLatin1String("list") &&
                   options.number.isEmpty()) {
            options.number = argument;
        } else {
            return QStringLiteral("unexpected argument: %1").arg(argument);
        }
    }
    if (options.command != QLatin1String("list") && options.number.isEmpty())
        return QStringLiteral("quotes %1 needs a quote number").arg(options.command);
    if (options.command == QLatin1String("export") && options.pdfPath.isEmpty() && options.xlsxPath.isEmpty())
        return QStringLiteral("quotes export needs --pdf FILE or --xlsx FILE");
    return {};
}

QJsonObject entryJson(const QuoteListEntry &entry)
{
    return {
        {QStringLiteral("quoteNo"), entry.number},        {QStringLiteral("createdAt"), entry.createdAt},
        {QStringLiteral("customer"), entry.customer},     {QStringLiteral("fileCount"), entry.fileCount},
        {QStringLiteral("totalPages"), entry.totalPages}, {QStringLiteral("totalAmount"), entry.totalAmount}};
}

void print(FILE *out, const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), out);
}

QByteArray entryLine(const QuoteListEntry &entry)
{
    return QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
        .arg(entry.number, entry.createdAt, entry.customer, QString::number(entry.fileCount),
             QString::number(entry.totalPages), QString::number(entry.totalAmount, 'f', 2))
        .toUtf8();
}

int listQuotesCommand(QSqlDatabase &database, const QuotesOptions &options, FILE *out, FILE *err)
{
    const QuoteListing listing = listQuotes(database, options.filter);
    if (!listing.error.isEmpty()) {
        std::fprintf(err, "orvanta-cli: the quotes could not be read: %s\n", qPrintable(listing.error));
        return 1;
    }
    if (options.json) {
        QJsonArray entries;
        for (const QuoteListEntry &entry : listing.entries)
            entries.append(entryJson(entry));
        print(out, QJsonDocument(entries).toJson(QJsonDocument::Compact) + '\n');
        return 0;
    }
    print(out, "Number\tCreated\tCustomer\tFiles\tPages\tTotal\n");
    for (const QuoteListEntry &entry : listing.entries)
        print(out, entryLine(entry));
    return 0;
}

int showQuoteCommand(const StoredQuote &stored, bool json, FILE *out)
{
    if (json) {
        QJsonObject object = entryJson(stored.entry);
        const QJsonDocument detail = QJsonDocument::fromJson(stored.detailJson);
        object.insert(QStringLiteral("detail"),
                      detail.isObject() ? QJsonValue(detail.object()) : QString::fromUtf8(stored.detailJson));
        print(out, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
        return 0;
    }
    print(out, entryLine(stored.entry));
    if (!stored.record)
        return 0;
    QList<DocumentInfo> documents;
    for (const QuoteRow &row : stored.record->rows) {
        DocumentInfo info;
        info.paperSize = row.paperSize;
        documents.append(info);
    }
    print(out, '\n' + quoteTable(*stored.record, documents));
    return 0;
}

int exportQuoteCommand(const StoredQuote &stored, const QuotesOptions &options, FILE *err)
{
    if (!stored.record) {
        std::fprintf(err, "orvanta-cli: quote %s holds no details this program can issue again\n",
                     qPrintable(options.number));
        return 1;
    }
    int status = 0;
    for (const auto &[kind, path] : {std::pair{QuoteDocument::Pdf, options.pdfPath},
                                     std::pair{QuoteDocument::Workbook, options.xlsxPath}}) {
        if (path.isEmpty())
            continue;
        const QString error = writeQuoteDocument(*stored.record, kind, path);
        if (!error.isEmpty()) {
            std::fprintf(err, "orvanta-cli: %s not written: %s\n", qPrintable(path), qPrintable(error));
            status = 1;
        }
    }
    return status;
}

} // namespace

int runQuotesCommand(const QStringList &arguments, FILE *out, FILE *err)
{
    QuotesOptions options;
    const QString usageError = parseQuotesOptions(arguments, options);
    if (!usageError.isEmpty()) {
        std::fprintf(err, "orvanta-cli: %s\n", qPrintable(usageError));
        return 2;
    }
    QuoteArchiveCopy copy;
    if (!copy.error.isEmpty()) {
        std::fprintf(err, "orvanta-cli: the price database could not be read: %s\n", qPrintable(copy.error));
        return 1;
    }
    if (options.command == QLatin1String("list"))
        return listQuotesCommand(copy.connection(), options, out, err);
    const StoredQuote stored = loadQuote(copy.connection(), options.number);
    if (!stored.found) {
        std::fprintf(err, "orvanta-cli: no saved quote %s%s%s\n", qPrintable(options.number),
                     stored.error.isEmpty() ? "" : ": ", qPrintable(stored.error));
        return 1;
    }
    if (options.command == QLatin1String("show"))
        return showQuoteCommand(stored, options.json, out);
    return exportQuoteCommand(stored, options, err);
}
