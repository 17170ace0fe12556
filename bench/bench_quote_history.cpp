// Times the quote history with 10,000 saved quotes: opening the window, filtering it by text, by
// file name and by date; and what saving adds to the export of a 500-row quote.
#include "export/quote_workbook.h"
#include "quote_history/quote_history_model.h"
#include "quote_history/quote_history_window.h"
#include "storage/price_database.h"
#include "storage/quote_store.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QuoteSnapshot generatedQuote(int index, int rows)
{
    QuoteSnapshot quote;
    quote.createdAt = QDateTime(QDate(2025, 1, 1).addDays(index % 700), QTime(8, 0).addSecs(index % 30000));
    quote.profile.customerName = QStringLiteral("Kunde %1").arg(index % 900);
    quote.profile.localeName = QStringLiteral("de_DE");
    quote.profile.currencyCode = QStringLiteral("EUR");
    quote.profileName = QStringLiteral("Laden");
    for (int row = 0; row < rows; ++row) {
        QuoteRow line;
        line.fileName = QStringLiteral("scan_%1_%2.pdf").arg(index, 5, 10, QLatin1Char('0')).arg(row);
        line.filePath = QStringLiteral("/srv/orders/%1/").arg(index) + line.fileName;
        line.pagesText = QString::number(1 + row % 40);
        line.paperSize = QStringLiteral("A4");
        line.copiesText = QStringLiteral("2");
        line.unitPriceText = QStringLiteral("0,05");
        line.lineAmount = 0.1 * (1 + row % 40);
        quote.rows.append(line);
    }
    issueQuote(quote, QStringLiteral("Q%1").arg(index, 8, 10, QLatin1Char('0')), QStringLiteral("de_DE"));
    return quote;
}

double medianMs(int rounds, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    if (!openPriceDatabase(database, dir.filePath(QStringLiteral("orvanta.db"))).ok())
        return 1;
    {
        // Generating is not what is measured: no syncing.
        QSqlQuery(database).exec(QStringLiteral("PRAGMA synchronous=OFF"));
        for (int index = 0; index < 10000; ++index) {
            const QString error = saveQuote(database, generatedQuote(index, 1 + index % 12));
            if (!error.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return 1;
            }
        }
        QSqlQuery(database).exec(QStringLiteral("PRAGMA synchronous=FULL"));
    }

    const double query = medianMs(5, [&] { listQuotes(database, {}); });
    std::printf("list all 10000 quotes from the database: %.1f ms\n", query);
    QuoteHistoryWindow *window = nullptr;
    const double open = medianMs(5, [&] {
        delete window;
        window = new QuoteHistoryWindow(database.connectionName());
        window->refresh();
        window->show();
        QApplication::processEvents();
    });
    std::printf("open the history (10000 quotes, %d listed): %.1f ms\n", window->model()->rowCount(), open);
    auto *search = window->findChild<QLineEdit *>(QStringLiteral("historySearchEdit"));
    const std::pair<const char *, QString> filters[] = {{"customer", QStringLiteral("Kunde 42")},
                                                        {"number", QStringLiteral("Q0000123")},
                                                        {"file name", QStringLiteral("scan_04711_3")},
                                                        {"no match", QStringLiteral("nirgends")}};
    for (const auto &[what, text] : filters) {
        const double ms = medianMs(5, [&] {
            search->setText(text);
            window->refresh();
        });
        std::printf("filter by %-9s (%5d listed): %.1f ms\n", what, window->model()->rowCount(), ms);
    }
    search->clear();
    auto *from = window->findChild<QDateEdit *>(QStringLiteral("historyFromDate"));
    const double byDate = medianMs(5,
                                   [&] {
                                       from->setDate(QDate(2026, 6, 1));
                                       from->setDate(QDate(2026, 5, 1));
                                   }) /
                          2;
    std::printf("filter by date    (%5d listed): %.1f ms\n", window->model()->rowCount(), byDate);
    delete window;

    const QuoteSnapshot large = generatedQuote(20000, 500);
    const QString path = dir.filePath(QStringLiteral("large.xlsx"));
    const double exportMs = medianMs(5, [&] { writeQuoteWorkbook(large, path); });
    int saved = 0;
    const double saveMs = medianMs(9, [&] {
        QuoteSnapshot quote = large;
        quote.quoteNumber = nextQuoteNumber(database, QDateTime(QDate(2027, 1, 1), QTime(9, 0)));
        saved += saveQuote(database, quote).isEmpty();
    });
    std::printf("export of 500 rows (workbook): %.1f ms; saving it adds %.1f ms (%d of 9 saved)\n", exportMs,
                saveMs, saved);
    return 0;
}
