#pragma once

#include <QList>
#include <QMetaType>
#include <QPair>
#include <QString>

// Pages of one document that share a paper-size text and whether they print in colour.
struct PageGroup
{
    QString paperSize; // paperSizeLabel() text, empty when unknown
    bool color = false;
    int pages = 0;

    bool operator==(const PageGroup &other) const
    {
        return paperSize == other.paperSize && color == other.color && pages == other.pages;
    }
};

// What the page-detail pass found for every page of a document, counted by kind so that a
// 2,000-page file stays a handful of entries. Empty when the document gives no page details.
struct PageDetails
{
    QList<PageGroup> groups; // in order of first appearance

    void addPages(const QString &paperSize, bool color, int pages = 1);
    bool isEmpty() const { return groups.isEmpty(); }
    int pageCount() const;
    int colorPages() const;
    // Pages per paper-size text, most pages first (ties in order of first appearance).
    QList<QPair<QString, int>> pagesPerSize() const;
    bool operator==(const PageDetails &other) const { return groups == other.groups; }
};

// Consecutive pages of a document, counted from 0; a count below 0 reaches the last page.
struct PageSpan
{
    int first = 0;
    int count = -1;

    bool isWhole() const { return first == 0 && count < 0; }
};

// "A4 38, A3 2": the sizes with their page counts, most pages first; an unknown size reads "?".
QString pagesPerSizeText(const PageDetails &details);

Q_DECLARE_METATYPE(PageDetails)
