#pragma once

#include <Qt>

// Item roles of the document rows.
enum DocumentRole
{
    PathRole = Qt::UserRole,            // file-name item: absolute path; colour/binding items: their key
    SortKeyRole = Qt::UserRole + 1,     // compared by SortableTableWidgetItem
    CreatedRole = Qt::UserRole + 2,     // file-name item: creation time, ms since the epoch
    SizeRole = Qt::UserRole + 3,        // file-name item: size in bytes
    TypeKeyRole = Qt::UserRole + 4,     // file-name item: "suffix\tname", lower case
    AnalysingRole = Qt::UserRole + 5,   // pages item: true while the analysis runs (spinner shown)
    PageDetailsRole = Qt::UserRole + 6, // pages item: PageDetails once the page-detail pass is done
    PageByPagePriceRole =
        Qt::UserRole + 7, // unit-price item: the page-by-page text written; other text was typed
    WordRenderingRole = Qt::UserRole + 8,   // pages item: WordRendering once the office suite rendered it
    UseRenderedPagesRole = Qt::UserRole + 9, // pages item: the operator prices the rendered count
    PageCountEstimatedRole = Qt::UserRole + 10 // pages item: true when the count is an estimate
};

enum DocumentColumn
{
    FileNameColumn = 0,
    ColorColumn = 1,
    PagesColumn = 2,
    SizeColumn = 3,
    CopiesColumn = 4,
    UnitPriceColumn = 5,
    BindingColumn = 6,
    AmountColumn = 7,
    DocumentColumnCount = 8
};

constexpr int DocumentRowHeight = 28;
