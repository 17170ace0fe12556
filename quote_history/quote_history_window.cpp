#include "quote_history/quote_history_window.h"

#include "export/quote_snapshot.h"
#include "quote_history/quote_history_model.h"
#include "storage/quote_store.h"

#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QDate noDate(2000, 1, 1);

QDateEdit *makeDateEdit(QWidget *parent, const char *name)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setMinimumDate(noDate);
    // The lowest date stands for "no limit" and says so.
    edit->setSpecialValueText(QuoteHistoryWindow::tr("不限"));
    edit->setDate(noDate);
    return edit;
}

QDate chosenDate(const QDateEdit *edit)
{
    return edit->date() == noDate ? QDate() : edit->date();
}

} // namespace

QuoteHistoryWindow::QuoteHistoryWindow(const QString &name, QWidget *parent)
    : QDialog(parent), connectionName(name)
{
    setObjectName(QStringLiteral("quoteHistoryWindow"));
    setWindowTitle(tr("报价记录"));
    auto *layout = new QVBoxLayout(this);

    auto *filterRow = new QHBoxLayout;
    searchEdit = new QLineEdit(this);
    searchEdit->setObjectName(QStringLiteral("historySearchEdit"));
    searchEdit->setPlaceholderText(tr("编号、客户或文件名"));
    searchEdit->setClearButtonEnabled(true);
    searchEdit->setMinimumWidth(160);
    filterRow->addWidget(searchEdit, 1);
    filterRow->addWidget(new QLabel(tr("从"), this));
    fromEdit = makeDateEdit(this, "historyFromDate");
    filterRow->addWidget(fromEdit);
    filterRow->addWidget(new QLabel(tr("至"), this));
    toEdit = makeDateEdit(this, "historyToDate");
    filterRow->addWidget(toEdit);
    layout->addLayout(filterRow);

    historyModel = new QuoteHistoryModel(this);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("historyTable"));
    table->setModel(historyModel);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    table->setMinimumHeight(160);
    table->horizontalHeader()->setStretchLastSection(true);
    // Widths from sample texts: sizing to the contents would read every row.
    const QFontMetrics metrics(table->font());
    const QString sampleDate =
        QLocale().toString(QDateTime(QDate(2028, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
    table->setColumnWidth(QuoteHistoryModel::NumberColumn,
                          metrics.horizontalAdvance(QStringLiteral("Q20281228235959-99")) + 16);
    table->setColumnWidth(QuoteHistoryModel::DateColumn, metrics.horizontalAdvance(sampleDate) + 16);
    table->setColumnWidth(QuoteHistoryModel::CustomerColumn, 200);
    table->setColumnWidth(QuoteHistoryModel::FilesColumn, 70);
    table->setColumnWidth(QuoteHistoryModel::PagesColumn, 70);
    layout->addWidget(table, 1);

    auto *buttonRow = new QHBoxLayout;
    countLabel = new QLabel(this);
    countLabel->setObjectName(QStringLiteral("historyCountLabel"));
    buttonRow->addWidget(countLabel);
    messageLabel = new QLabel(this);
    messageLabel->setObjectName(QStringLiteral("historyMessageLabel"));
    messageLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    buttonRow->addWidget(messageLabel, 1);
    const std::pair<const char *, QString> buttons[] = {{"reissuePdfButton", tr("导出 PDF")},
                                                        {"reissueExcelButton", tr("导出 Excel")},
                                                        {"loadQuoteButton", tr("载入清单")},
                                                        {"deleteQuoteButton", tr("删除")}};
    for (const auto &[name, text] : buttons) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        buttonRow->addWidget(button);
        rowButtons.append(button);
    }
    layout->addLayout(buttonRow);
    resize(std::max(minimumSizeHint().width(), 820), 520);

    filterTimer = new QTimer(this);
    filterTimer->setSingleShot(true);
    filterTimer->setInterval(150);
    connect(filterTimer, &QTimer::timeout, this, &QuoteHistoryWindow::refresh);
    connect(searchEdit, &QLineEdit::textChanged, filterTimer, qOverload<>(&QTimer::start));
    connect(fromEdit, &QDateEdit::dateChanged, this, &QuoteHistoryWindow::refresh);
    connect(toEdit, &QDateEdit::dateChanged, this, &QuoteHistoryWindow::refresh);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &QuoteHistoryWindow::updateButtons);
    connect(table, &QTableView::doubleClicked, this, [this] { reissue(QuoteDocument::Pdf); });
    connect(rowButtons.at(0), &QPushButton::clicked, this, [this] { reissue(QuoteDocument::Pdf); });
    connect(rowButtons.at(1), &QPushButton::clicked, this, [this] { reissue(QuoteDocument::Workbook); });
    connect(rowButtons.at(2), &QPushButton::clicked, this, &QuoteHistoryWindow::loadSelected);
    connect(rowButtons.at(3), &QPushButton::clicked, this, &QuoteHistoryWindow::deleteSelected);
    updateButtons();
}

QSqlDatabase QuoteHistoryWindow::connection() const
{
    return QSqlDatabase::database(connectionName, false);
}

void QuoteHistoryWindow::refresh()
{
    filterTimer->stop();
    QuoteFilter filter;
    filter.text = searchEdit->text().trimmed();
    filter.from = chosenDate(fromEdit);
    filter.to = chosenDate(toEdit);
    QSqlDatabase database = connection();
    const QuoteListing first = listQuotes(database, filter, QuoteHistoryModel::PageSize);
    historyModel->setSource(first.entries, [this, filter](int offset) {
        QSqlDatabase database = connection();
        return listQuotes(database, filter, QuoteHistoryModel::PageSize, offset).entries;
    });
    countLabel->setText(first.error.isEmpty() ? tr("%n 条报价", nullptr, first.total)
                                              : tr("报价记录无法读取：%1").arg(first.error));
    updateButtons();
}

int QuoteHistoryWindow::selectedRow() const
{
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void QuoteHistoryWindow::updateButtons()
{
    const bool selected = selectedRow() >= 0;
    for (QPushButton *button : rowButtons)
        button->setEnabled(selected);
}

StoredQuote QuoteHistoryWindow::loadSelectedQuote(const QString &failureTitle)
{
    const int row = selectedRow();
    if (row < 0)
        return {};
    QSqlDatabase database = connection();
    const StoredQuote stored = loadQuote(database, historyModel->entry(row).number);
    if (!stored.record)
        QMessageBox::warning(this, failureTitle,
                             stored.error.isEmpty() ? tr("这条报价记录不含完整明细，只能查看和删除。")
                                                    : stored.error);
    return stored;
}

void QuoteHistoryWindow::reissue(QuoteDocument kind)
{
    const StoredQuote stored = loadSelectedQuote(tr("无法重新导出"));
    if (!stored.record)
        return;
    const bool pdf = kind == QuoteDocument::Pdf;
    const QString number = stored.entry.number;
    QString path = QFileDialog::getSaveFileName(this, pdf ? tr("导出 PDF 报价单") : tr("导出 Excel 明细"),
                                                QDir::homePath() + QLatin1Char('/') + number +
                                                    (pdf ? QLatin1String(".pdf") : QLatin1String(".xlsx")),
                                                pdf ? tr("PDF 文件 (*.pdf)") : tr("Excel 工作簿 (*.xlsx)"));
    if (path.isEmpty())
        return;
    if (!pdf && !path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        path += QLatin1String(".xlsx");
    const QString error = writeQuoteDocument(*stored.record, kind, path);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, tr("导出失败"), error);
        return;
    }
    messageLabel->setText(tr("已导出：%1").arg(path));
    messageLabel->setToolTip(path);
}

void QuoteHistoryWindow::loadSelected()
{
    const StoredQuote stored = loadSelectedQuote(tr("无法载入"));
    if (stored.record)
        Q_EMIT loadRequested(*stored.record);
}

void QuoteHistoryWindow::deleteSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QuoteListEntry entry = historyModel->entry(row);
    if (QMessageBox::question(this, tr("删除报价记录"), tr("删除报价 %1？此操作无法撤销。").arg(entry.number),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QSqlDatabase database = connection();
    const QString error = deleteQuote(database, entry.id);
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("删除失败"), error);
    refresh();
}
