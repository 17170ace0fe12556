#include "export/page_count_marks.h"

#include "export/quote_snapshot.h"

#include <QCoreApplication>

QString pageCountMark(const WordRendering &rendering, bool useRendered)
{
    if (rendering.outcome != WordRenderOutcome::Rendered)
        return {};
    QStringList marks;
    if (pricedFromRendering(rendering, useRendered))
        marks.append(QStringLiteral("*"));
    if (pageCountsFarApart(rendering.storedPages, rendering.renderedPages))
        marks.append(
            QStringLiteral("≠ %1").arg(useRendered ? rendering.storedPages : rendering.renderedPages));
    return marks.join(QLatin1Char(' '));
}

QString pageCountMarksLegend(const QList<QuoteRow> &rows)
{
    for (const QuoteRow &row : rows) {
        if (!row.pageCountMark.isEmpty())
            return QCoreApplication::translate(
                "MainWindow",
                "* 页数来自 LibreOffice 渲染；≠ 文件存储页数与渲染页数相差较大，其后为未计价的另一页数");
    }
    return {};
}
