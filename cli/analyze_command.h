#pragma once

#include <QStringList>

#include <cstdio>

// `orvanta-cli analyze [--pages] PATH...`: expands folders and filters suffixes as the window does,
// analyses every document and writes one JSON line per document to out, in input order; with
// pageDetails, each line also carries the page-detail pass's colour pages and pages per size.
// Returns the exit status: 0 when every document was analysed, 1 when an input path does not exist.
int runAnalyzeCommand(const QStringList &paths, bool pageDetails, FILE *out, FILE *err);
