#include "app/main_window.h"

#include "documents/document_columns.h"
#include "export/quote_snapshot.h"
#include "quote_history/quote_history_window.h"
#include "storage/quote_store.h"
#include "storage/ui_language.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableWidget>

QuoteSnapshot MainWindow::issuedQuote() const
{
    QuoteSnapshot quote = quoteSnapshot();
    // A copy of the handle shares the connection; the lookup needs a non-const one.
    QSqlDatabase connection = database;
    issueQuote(quote, nextQuoteNumber(connection, quote.createdAt), currentLanguageCode());
    return quote;
}

void MainWindow::recordIssuedQuote(const QuoteSnapshot &quote, const QString &exportedMessage)
{
    // The document is written by now: a quote the history cannot keep is said, never undone.
    const QString error = saveQuote(database, quote);
    if (!error.isEmpty()) {
        statusBar()->showMessage(tr("%1；报价记录未保存：%2").arg(exportedMessage, error), 15000);
        return;
    }
    statusBar()->showMessage(exportedMessage, 5000);
    if (historyWindow)
        historyWindow->refresh();
}

void MainWindow::showQuoteHistory()
{
    if (!historyWindow) {
        historyWindow = new QuoteHistoryWindow(database.connectionName(), this);
        connect(historyWindow, &QuoteHistoryWindow::loadRequested, this, &MainWindow::loadIssuedQuote);
    }
    historyWindow->refresh();
    historyWindow->show();
    historyWindow->raise();
    historyWindow->activateWindow();
}

void MainWindow::loadIssuedQuote(const QuoteSnapshot &quote)
{
    QStringList present;
    QStringList missing;
    QHash<QString, QuoteRow> rowsByPath;
    for (const QuoteRow &row : quote.rows) {
        if (!row.filePath.isEmpty() && QFileInfo::exists(row.filePath)) {
            present.append(row.filePath);
            rowsByPath.insert(QFileInfo(row.filePath).absoluteFilePath(), row);
        } else {
            missing.append(row.fileName);
        }
    }
    clearAll();
    if (const int index = profileCombo->findText(quote.profileName); index >= 0)
        profileCombo->setCurrentIndex(index);
    customerEdit->setText(quote.profile.customerName);
    activeProfile.customerName = quote.profile.customerName;
    if (!present.isEmpty())
        addPaths(present);
    for (int row = 0; row < documentTable->rowCount(); ++row) {
        const auto it = rowsByPath.constFind(QFileInfo(documentPathAt(row)).absoluteFilePath());
        if (it == rowsByPath.cend())
            continue;
        setRowColorMode(row, it->colorMode);
        setRowBinding(row, it->binding);
        if (QTableWidgetItem *copies = documentTable->item(row, CopiesColumn))
            copies->setText(it->copiesText);
    }
    recalculate();
    if (!missing.isEmpty())
        QMessageBox::information(this, tr("部分文件已不存在"),
                                 tr("以下文件已不存在，未载入（其金额仍保存在报价记录中）：\n%1")
                                     .arg(missing.join(QLatin1Char('\n'))));
}
