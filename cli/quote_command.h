#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// What `orvanta-cli quote` was asked for; unset choices start as the window's top bar does.
struct QuoteOptions
{
    QStringList paths;
    QString profileName; // empty: the active profile
    QString colorMode = QStringLiteral("blackWhite");
    QString binding = QStringLiteral("none");
    int copies = 1;
    std::optional<bool> duplex; // unset: the stored print mode
    bool json = false;
    QString pdfPath;
    QString xlsxPath;
    bool save = true; // keep an issued quote in the history
};

// Reads the arguments after "quote". Returns an error text for a usage error, empty otherwise.
QString parseQuoteOptions(const QStringList &arguments, QuoteOptions &options);

// Analyses, prices and prints the quotation, and writes the requested files. Returns the exit
// status: 0 done, 1 an input path missing, the database unreadable or an output not written,
// 2 an unknown profile, colour or binding.
int runQuoteCommand(const QuoteOptions &options, FILE *out, FILE *err);
