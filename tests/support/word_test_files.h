#pragma once

#include <QString>

// Writes a DOCX of the given pages (page breaks between short paragraphs) that stores
// storedPages in docProps/app.xml, or no app.xml at all when storedPages is below 0.
void writeTestDocx(const QString &path, int pages, int storedPages);
