#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// A ZIP archive of deflated entries (name, content) built in memory, for test inputs too large to
// keep as fixtures. Names are taken as UTF-8 bytes.
QByteArray deflatedZipArchive(const QList<QPair<QByteArray, QByteArray>> &entries);
