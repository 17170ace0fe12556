#pragma once

#include <QByteArray>
#include <QString>

// Wraps WordprocessingML paragraphs as an A4 DOCX that stores storedPages in docProps/app.xml,
// or no app.xml at all when storedPages is below 0. Needs only the core library, so the
// benchmarks build their documents with it too.
bool writeWordPackage(const QString &path, const QByteArray &body, int storedPages);

// Writes a DOCX of the given pages (page breaks between short paragraphs).
void writeTestDocx(const QString &path, int pages, int storedPages);
