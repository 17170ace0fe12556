#include "documents/page_count_cells.h"

#include "documents/document_columns.h"
#include "documents/page_detail_cells.h"

#include <QCoreApplication>
#include <QTableWidget>

namespace {

QString failureReason(WordRenderOutcome outcome)
{
    switch (outcome) {
    case WordRenderOutcome::NotOpened:
        return QCoreApplication::translate("MainWindow",
                                           "LibreOffice 无法打开此文件（文件损坏、受密码保护或格式不支持）");
    case WordRenderOutcome::Stopped:
        return QCoreApplication::translate("MainWindow", "LibreOffice 渲染此文件时卡住或崩溃");
    case WordRenderOutcome::EmptyPdf:
        return QCoreApplication::translate("MainWindow", "LibreOffice 渲染结果没有页面");
    case WordRenderOutcome::NotRendered:
    case WordRenderOutcome::Rendered:
        break;
    }
    return {};
}

// One line: the page-detail breakdown goes below it.
QString countToolTip(const WordRendering &rendering, bool useRendered, const QString &firstPassToolTip)
{
    if (rendering.outcome != WordRenderOutcome::Rendered)
        return QCoreApplication::translate("MainWindow", "%1；未用渲染页数：%2")
            .arg(firstPassToolTip, failureReason(rendering.outcome));
    const int stored = rendering.storedPages;
    const int rendered = rendering.renderedPages;
    if (stored < 1)
        return QCoreApplication::translate("MainWindow",
                                           "页数来自 LibreOffice 渲染（文件未存储页数），不可手动修改");
    if (stored == rendered)
        return QCoreApplication::translate("MainWindow",
                                           "文件存储页数与 LibreOffice 渲染页数一致，不可手动修改");
    if (useRendered)
        return QCoreApplication::translate(
                   "MainWindow",
                   "按 LibreOffice 渲染页数 %2 计价（文件存储 %1 页），可在右键菜单或点击页数改回存储页数")
            .arg(stored)
            .arg(rendered);
    if (pageCountsFarApart(stored, rendered))
        return QCoreApplication::translate("MainWindow",
                                           "文件存储 %1 页，LibreOffice 渲染 %2 "
                                           "页，相差较大；按存储页数计价，可在右键菜单或点击页数改用渲染页数")
            .arg(stored)
            .arg(rendered);
    return QCoreApplication::translate(
               "MainWindow",
               "文件存储 %1 页，LibreOffice 渲染 %2 页，相差很小（多因字体不同），按存储页数计价")
        .arg(stored)
        .arg(rendered);
}

} // namespace

WordRendering rowWordRendering(const QTableWidget *table, int row)
{
    const QTableWidgetItem *pages = table->item(row, PagesColumn);
    return pages ? pages->data(WordRenderingRole).value<WordRendering>() : WordRendering();
}

bool rowUsesRenderedCount(const QTableWidget *table, int row)
{
    const QTableWidgetItem *pages = table->item(row, PagesColumn);
    return pages && pages->data(UseRenderedPagesRole).toBool();
}

bool rowHasRenderedAlternative(const QTableWidget *table, int row)
{
    const WordRendering rendering = rowWordRendering(table, row);
    return rendering.outcome == WordRenderOutcome::Rendered && rendering.storedPages > 0 &&
           rendering.renderedPages != rendering.storedPages;
}

QString pageCountBadgeText(const QModelIndex &pagesIndex)
{
    const WordRendering rendering = pagesIndex.data(WordRenderingRole).value<WordRendering>();
    if (rendering.outcome != WordRenderOutcome::Rendered ||
        !pageCountsFarApart(rendering.storedPages, rendering.renderedPages))
        return {};
    const bool useRendered = pagesIndex.data(UseRenderedPagesRole).toBool();
    return QStringLiteral("≠ %1").arg(useRendered ? rendering.storedPages : rendering.renderedPages);
}

void showWordRendering(QTableWidget *table, int row, const WordRendering &rendering, bool useRendered)
{
    QTableWidgetItem *pages = table->item(row, PagesColumn);
    if (!pages || rendering.outcome == WordRenderOutcome::NotRendered)
        return;
    const QString firstPass = pages->toolTip().section(QLatin1Char('\n'), 0, 0); // a failure says it once
    pages->setData(WordRenderingRole, QVariant::fromValue(rendering));
    useRendered = useRendered && rendering.outcome == WordRenderOutcome::Rendered;
    pages->setData(UseRenderedPagesRole, useRendered);
    if (rendering.outcome == WordRenderOutcome::Rendered) {
        const int count = pricedWordPageCount(rendering, useRendered);
        pages->setText(QString::number(count));
        pages->setData(SortKeyRole, count);
        pages->setForeground(QColor(QStringLiteral("#202938")));
    }
    pages->setToolTip(countToolTip(rendering, useRendered, firstPass));
    showPageDetails(table, row, rendering.details);
}
