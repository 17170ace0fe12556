#pragma once

#include <QStringList>

#include <cstdio>

// `orvanta-cli analyze PATH...`: expands folders and filters suffixes as the window does, analyses
// every document and writes one JSON line per document to out, in input order. Returns the exit
// status: 0 when every document was analysed, 1 when an input path does not exist.
int runAnalyzeCommand(const QStringList &paths, FILE *out, FILE *err);
