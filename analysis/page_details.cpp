#include "analysis/page_details.h"

#include <QStringList>

#include <algorithm>

void PageDetails::addPages(const QString &paperSize, bool color, int pages)
{
    if (pages <= 0)
        return;
    for (PageGroup &group : groups) {
        if (group.color == color && group.paperSize == paperSize) {
            group.pages += pages;
            return;
        }
    }
    groups.append({paperSize, color, pages});
}

int PageDetails::pageCount() const
{
    int total = 0;
    for (const PageGroup &group : groups)
        total += group.pages;
    return total;
}

int PageDetails::colorPages() const
{
    int total = 0;
    for (const PageGroup &group : groups)
        total += group.color ? group.pages : 0;
    return total;
}

QList<QPair<QString, int>> PageDetails::pagesPerSize() const
{
    QList<QPair<QString, int>> sizes;
    for (const PageGroup &group : groups) {
        auto found = std::find_if(sizes.begin(), sizes.end(),
                                  [&group](const auto &entry) { return entry.first == group.paperSize; });
        if (found == sizes.end())
            sizes.append({group.paperSize, group.pages});
        else
            found->second += group.pages;
    }
    std::stable_sort(sizes.begin(), sizes.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    return sizes;
}

QString pagesPerSizeText(const PageDetails &details)
{
    QStringList parts;
    for (const auto &[size, pages] : details.pagesPerSize())
        parts.append(QStringLiteral("%1 %2").arg(size.isEmpty() ? QStringLiteral("?") : size).arg(pages));
    return parts.join(QStringLiteral(", "));
}
