#pragma once

#include "export/gui_quote_documents.h"
#include "export/quote_snapshot.h"
#include "storage/quote_store.h"

#include <QDialog>
#include <QSqlDatabase>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class QuoteHistoryModel;

// "报价记录": the saved quotes, newest first, found by number, customer, file name and date; each
// can be issued again exactly as it was, loaded back as rows, or deleted.
class QuoteHistoryWindow : public QDialog
{
    Q_OBJECT

public:
    // Reads and deletes through the named connection, looked up at each use so that the window
    // never keeps it open past its owner.
    QuoteHistoryWindow(const QString &connectionName, QWidget *parent = nullptr);

    // Runs the query for the current filter again.
    void refresh();
    QuoteHistoryModel *model() const { return historyModel; }

Q_SIGNALS:
    void loadRequested(const QuoteSnapshot &quote);

private:
    int selectedRow() const;
    // The selected quote with its record; a row without one is explained under failureTitle.
    StoredQuote loadSelectedQuote(const QString &failureTitle);
    void updateButtons();
    void reissue(QuoteDocument kind);
    void loadSelected();
    void deleteSelected();

    QSqlDatabase connection() const;

    QString connectionName;
    QuoteHistoryModel *historyModel = nullptr;
    QLineEdit *searchEdit = nullptr;
    QDateEdit *fromEdit = nullptr;
    QDateEdit *toEdit = nullptr;
    QTableView *table = nullptr;
    QLabel *countLabel = nullptr;
    QLabel *messageLabel = nullptr;
    QTimer *filterTimer = nullptr;
    QList<QPushButton *> rowButtons;
};
