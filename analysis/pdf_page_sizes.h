#pragma once

#include <QString>
#include <QStringList>

#include <atomic>

// The paper-size text of every page in page order, read through qpdf (boxes and rotation
// only, no content). Empty when qpdf cannot open the file or refuses its page tree, or once
// cancelled becomes true; an entry is empty for a page without a usable media box.
QStringList pdfPageSizes(const QString &path, const std::atomic_bool *cancelled = nullptr);
