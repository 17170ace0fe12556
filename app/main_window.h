#pragma once

#include "analysis/document_info.h"
#include "documents/desktop_launcher.h"
#include "documents/page_detail_pass.h"
#include "documents/word_render_pass.h"
#include "pricing/price_profile.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QSet>
#include <QSqlDatabase>
#include <QStringList>
#include <QThreadPool>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class MoneyFormat;
struct QuoteSnapshot;
struct StorageResult;
class QuoteHistoryWindow;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Row accessors.
    QString documentPathAt(int row) const;
    QString cellText(int row, int column) const;
    QString rowColorMode(int row) const;
    QString rowBinding(int row) const;
    void setRowColorMode(int row, const QString &key);
    void setRowBinding(int row, const QString &key);
    void moveRow(int from, int to);

    // Pricing adapters over the table and the active profile.
    double lineAmount(int row) const;
    QString unitPriceText(const QString &paperSize, const QString &colorMode) const;
    bool isDuplex() const;
    const PriceProfile &currentProfile() const { return activeProfile; }
    int pendingAnalysisCount() const { return pendingAnalyses; }

    // Quote export: the rows, profile and print mode as both exports read them at the moment of export.
    QuoteSnapshot quoteSnapshot() const;
    QString buildQuoteHtml() const;
    QString makeQuoteNumber() const;

    // The desktop calls behind "open file" and "show in folder"; tests put in their own.
    void setDesktopLauncher(const DesktopLauncher &launcher) { desktopLauncher = launcher; }
    // What measures every page's size and colour; tests put in their own.
    void setPageDetailAnalyzer(const PageDetailAnalyzer &analyzer);
    // What renders Word files with the office suite; tests put in their own.
    void setWordRenderer(const WordRenderer &renderer);

public Q_SLOTS:
    void addPaths(const QStringList &paths);
    void showPriceSettings();
    void recalculate();
    void clearAll();
    void exportQuotePdf();
    void exportExcel();
    void showQuoteHistory();
    void loadIssuedQuote(const QuoteSnapshot &quote);
    void changeLanguage(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    static constexpr QSize MinimumWindowSize{760, 520};
    static constexpr int MaximumChoiceComboWidth = 180;

    // Widget tree.
    void buildUi();
    QWidget *buildTopBar();
    QWidget *buildBottomBar();
    void buildDocumentTable();
    void buildStatusBar();
    void fitComboWidth(QComboBox *combo);
    void fitChoiceColumns();
    void raiseChoiceColumnWidths(int row);
    void raiseSizeColumnWidth(const QSet<QString> &sizeTexts);
    void setEmptyHintVisible(bool visible);
    void placeEmptyHint();

    // Rows.
    void addDocument(const QString &path);
    void setDropActive(bool on);
    void applyColorModeToAllRows();
    void applyBindingToAllRows();
    void applyCopiesToAllRows(int copies);
    void validateEditedCell(int row, int column);
    void removeSelectedDocuments();
    void forgetDocumentPaths(const QStringList &paths);
    QTableWidgetItem *makeItem(const QString &text, Qt::Alignment alignment, bool editable) const;

    // Row context menu, cell choice popup and batch editing of the selected rows.
    void showRowContextMenu(const QPoint &position);
    void showCellChoiceMenu(int row, int column);
    void openDocument(const QString &path);
    void showInFolder(const QString &path);
    QList<int> selectedRowsAscending() const;
    void setSelectedRowsColorMode(const QString &key);
    void setSelectedRowsBinding(const QString &key);
    void setSelectedRowsText(int column, const QString &text);
    void askSelectedRowsCopies(int clickedRow, int count);
    void askSelectedRowsUnitPrice(int clickedRow, int count);

    // Sorting.
    void showSortMenu(int column);
    void applySort(int column, Qt::SortOrder order);

    // Issued quotes: numbered against the stored ones, saved after their document is written.
    QuoteSnapshot issuedQuote() const;
    void recordIssuedQuote(const QuoteSnapshot &quote, const QString &exportedMessage);

    // Price profiles and their storage.
    void openDatabase();
    void loadPriceSettings();
    bool savePriceSettings();
    void reportStorageFailure(const StorageResult &result);
    void applyProfile(const QString &name);
    void rebuildProfileCombo(const QString &selectedName);
    void rebuildBindingCombo();

    // Background analysis.
    void startAnalysis(const QString &path);
    void analyzeLegacyDocBatch(const QList<QString> &paths);
    void queueAnalysisResults(const QList<DocumentInfo> &results);
    void applyQueuedResults();
    void applyAnalysisResult(const DocumentInfo &info);
    void writeAnalysisResult(int row, const DocumentInfo &info);
    void showLegacyDocNoticeIfNeeded(const DocumentInfo &info);
    void reportAnalysisProgress();

    // The page-detail pass that follows each page count.
    void buildPageDetailPass();
    void applyPageDetails(const QList<PageDetailResult> &results);
    int rowsAwaitingPagePrices() const;
    bool refuseExportWhileAwaitingPagePrices();

    // The office suite's rendering of Word files, after the page counts of a drop.
    void buildWordRenderPass();
    bool queueWordRendering(const DocumentInfo &info);
    void startQueuedWordRendering();
    void forgetWordRendering(const QStringList &paths);
    void applyWordRenderings(const QList<WordRenderResult> &results);
    void setDocumentsUseRenderedCount(const QStringList &paths, bool useRendered);
    QStringList selectedDocumentsWithRenderedAlternative(bool *allUseRendered) const;
    void showPageCountMenu(int row);

    QSqlDatabase database;
    bool databaseReady = false; // opened and upgraded without a reported failure
    PriceProfile activeProfile;
    PriceProfileMap priceProfiles;
    CustomBindingMap customBindingMethods;
    QStringList knownDocumentPaths;
    QSet<QString> knownDocumentKeys; // lower-cased knownDocumentPaths, for the duplicate check
    QThreadPool analysisPool;
    QThreadPool legacyDocPool;
    PageDetailPass *pageDetailPass = nullptr;
    WordRenderPass *wordRenderPass = nullptr;
    QStringList wordFilesToRender; // counted, waiting for the rest of their drop
    int pendingAnalyses = 0;
    int sortColumn = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    int nameSortAttribute = 0;
    bool legacyDocNoticeShown = false;
    DesktopLauncher desktopLauncher = systemDesktopLauncher();

    QList<DocumentInfo> queuedResults;
    bool resultFlushScheduled = false;
    bool addingDocuments = false;
    int reservedRows = 0; // rows appended by addPaths that addDocument has not filled yet
    int choiceColumnWidths[2] = {0, 0};
    QHash<QString, int> measuredChoiceTexts; // label -> width, while one drop adds its rows

    QTableWidget *documentTable = nullptr;
    QLabel *emptyHintLabel = nullptr;
    QLabel *fileCountLabel = nullptr;
    QLabel *pageCountLabel = nullptr;
    QLabel *amountValue = nullptr;
    QLabel *provisionalLabel = nullptr;
    QSpinBox *globalCopiesSpin = nullptr;
    QComboBox *profileCombo = nullptr;
    QComboBox *colorModeCombo = nullptr;
    QComboBox *bindingCombo = nullptr;
    QComboBox *printModeCombo = nullptr;
    QComboBox *languageCombo = nullptr;
    QLineEdit *customerEdit = nullptr;
    QPushButton *exportButton = nullptr;
    QuoteHistoryWindow *historyWindow = nullptr;
    QMenu *exportMenu = nullptr;
};
