#pragma once

#include <QStringList>

#include <cstdio>

// `orvanta-cli quotes list|show|export`: the saved quotes, read from a private copy of the
// window's database. Returns the exit status: 0 done, 1 a quote missing, unreadable or not
// written, 2 a usage error.
int runQuotesCommand(const QStringList &arguments, FILE *out, FILE *err);
