#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Page setup found in a section's property modifiers (SPRMs); 0 where a value was not given.
struct SectionPageSetup
{
    quint16 widthTwips = 0;  // sprmSXaPage
    quint16 heightTwips = 0; // sprmSYaPage
    bool landscape = false;  // sprmSBOrientation
};

// First-section page size in points, as Word displays the page.
struct SectionPageSize
{
    double widthPoints = 0;
    double heightPoints = 0;
};

// Name of the table stream ("0Table" or "1Table") the file information block of a "WordDocument"
// stream points to; nothing when the stream is no Word document or is encrypted.
std::optional<QString> wordTableStreamName(const QByteArray &wordDocument);

// Walks a block of section property modifiers; stops at the first one that would pass its end.
SectionPageSetup sectionPageSetup(const char *sprms, int length);

// Page size of the first section, found through the file information block, the section table in
// the table stream and the section's property block ([MS-DOC]). Nothing when any structure is
// inconsistent or the section sets no page width and height.
std::optional<SectionPageSize> wordFirstSectionPageSize(const QByteArray &wordDocument,
                                                        const QByteArray &tableStream);
