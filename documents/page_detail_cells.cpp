#include "documents/page_detail_cells.h"

#include "documents/document_columns.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTableWidget>

namespace {

constexpr int MaximumOtherSizes = 2; // the tool tip lists them all
const QString FailureSeparator = QStringLiteral(" · ");

QString firstWord(const QString &text)
{
    return text.section(QLatin1Char(' '), 0, 0);
}

// The tool tip as the page count left it, without what an earlier pass appended.
QString withBreakdown(const QString &toolTip, const QString &breakdown)
{
    return toolTip.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') + breakdown;
}

} // namespace

QString sizeTextWithOtherSizes(const QString &sizeText, const PageDetails &details)
{
    const QString separator = QStringLiteral(" +");
    const QString own = sizeTextWithoutFailureMark(sizeText).section(separator, 0, 0);
    QStringList others;
    for (const auto &entry : details.pagesPerSize()) {
        const QString name = firstWord(entry.first); // pages of unknown size only in the tool tip
        if (!name.isEmpty() && name != firstWord(own) && !others.contains(name))
            others.append(name);
    }
    const QString more = others.size() > MaximumOtherSizes ? QStringLiteral("…") : QString();
    others = others.mid(0, MaximumOtherSizes);
    return others.isEmpty() ? own : own + separator + others.join(separator) + more;
}

QString pageDetailsToolTip(const PageDetails &details)
{
    if (details.isEmpty())
        return QCoreApplication::translate("MainWindow", "没有逐页的颜色和尺寸信息");
    const int color = details.colorPages();
    return QCoreApplication::translate("MainWindow", "彩色 %1 页，黑白 %2 页\n各尺寸页数：%3")
        .arg(color)
        .arg(details.pageCount() - color)
        .arg(pagesPerSizeText(details));
}

void showPageDetails(QTableWidget *table, int row, const PageDetails &details)
{
    const QString breakdown = pageDetailsToolTip(details);
    if (QTableWidgetItem *pages = table->item(row, PagesColumn)) {
        pages->setData(PageDetailsRole, details.isEmpty() ? QVariant() : QVariant::fromValue(details));
        pages->setToolTip(withBreakdown(pages->toolTip(), breakdown));
    }
    QTableWidgetItem *size = table->item(row, SizeColumn);
    if (size)
        size->setText(sizeTextWithOtherSizes(size->text(), details)); // also drops an earlier failure mark
    if (size && !details.isEmpty())
        size->setToolTip(withBreakdown(size->toolTip(), breakdown));
}

QString pageDetailFailureText(PageDetailFailure failure)
{
    switch (failure) {
    case PageDetailFailure::None:
        break;
    case PageDetailFailure::Crashed:
        return QCoreApplication::translate("MainWindow", "检查页面的辅助进程崩溃了");
    case PageDetailFailure::OutOfMemory:
        return QCoreApplication::translate("MainWindow", "检查页面的辅助进程超出了内存上限");
    case PageDetailFailure::TimedOut:
        return QCoreApplication::translate("MainWindow", "检查页面超过了时间上限");
    }
    return {};
}

void showPageDetailFailure(QTableWidget *table, int row, PageDetailFailure failure, bool retrying)
{
    const QString breakdown =
        (retrying
             ? QCoreApplication::translate("MainWindow", "页面详情不可用：%1，其他文档检查完后会单独再试一次")
             : QCoreApplication::translate("MainWindow",
                                           "页面详情不可用：%1（已单独重试一次），本行按整份文档计价"))
            .arg(pageDetailFailureText(failure));
    if (QTableWidgetItem *pages = table->item(row, PagesColumn)) {
        pages->setData(PageDetailsRole, QVariant());
        pages->setToolTip(withBreakdown(pages->toolTip(), breakdown));
    }
    if (QTableWidgetItem *size = table->item(row, SizeColumn)) {
        const QString own = sizeTextWithoutFailureMark(size->text()).section(QStringLiteral(" +"), 0, 0);
        const QString mark = QCoreApplication::translate("MainWindow", "页面详情不可用");
        size->setText(own.isEmpty() ? mark : own + FailureSeparator + mark);
        size->setToolTip(withBreakdown(size->toolTip(), breakdown));
    }
}

QString sizeTextWithoutFailureMark(const QString &sizeText)
{
    const qsizetype mark = sizeText.indexOf(FailureSeparator);
    return mark < 0 ? sizeText : sizeText.left(mark);
}
