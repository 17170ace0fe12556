// Measures the main window on a shop-sized drop: adding 5,000 image files, one recalculation over
// every row, and the time until every analysis result is applied, with the longest stretch the
// GUI thread spent without returning to its event loop. Then, with every row selected, a colour
// and a unit price chosen for all of them from the row menu, timed from the user's confirming key
// to the updated totals.
//
//   bench_main_window [FILES] [FOLDER]
#include "app/main_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

void makeImages(const QString &folder, int count)
{
    QDir().mkpath(folder);
    QImage image(120, 170, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(1181);
    image.setDotsPerMeterY(1181);
    for (int i = 0; i < count; ++i) {
        const QString path =
            QStringLiteral("%1/%2/scan-%3.png").arg(folder).arg(i / 500).arg(i, 5, 10, QLatin1Char('0'));
        if (QFile::exists(path))
            continue;
        QDir().mkpath(QFileInfo(path).absolutePath());
        image.save(path);
    }
}

// Longest interval between two ticks of a 5 ms timer: how long the event loop was kept waiting.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        m_clock.start();
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this,
                [this] { m_longest = std::max(m_longest, m_clock.restart()); });
    }
    void start()
    {
        m_longest = 0;
        m_clock.restart();
        m_timer.start();
    }
    qint64 longest() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// Chooses a menu path in the row menu of the first row, then answers the input dialog that may
// follow; returns the milliseconds from the last key press to the end of the change.
double timeBatchChange(QTableWidget *table, const QStringList &path, const QString &answer)
{
    QElapsedTimer clock;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, &user, [&] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            dialog->setTextValue(answer);
            clock.start();
            dialog->accept();
        } else if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : menu->actions()) {
                if (!path.contains(action->text()))
                    continue;
                menu->setActiveAction(action);
                clock.start();
                QKeyEvent key(QEvent::KeyPress, action->menu() ? Qt::Key_Right : Qt::Key_Return,
                              Qt::NoModifier);
                QApplication::sendEvent(menu, &key);
                break;
            }
        }
    });
    user.start(5);
    const QPoint first = table->visualRect(table->model()->index(0, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, first, table->viewport()->mapToGlobal(first));
    QApplication::sendEvent(table->viewport(), &event);
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("OrvantaBench"));
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5000;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();

    QElapsedTimer timer;
    timer.start();
    makeImages(folder, count);
    std::printf("fixtures: %d images in %lld ms\n", count, timer.elapsed());

    MainWindow window;
    window.show();
    QApplication::processEvents();

    StallMeter stalls;
    timer.restart();
    window.addPaths({folder});
    const qint64 addMs = timer.elapsed();
    std::printf("addPaths (scan + %d rows): %lld ms\n", count, addMs);

    stalls.start();
    while (window.pendingAnalysisCount() > 0)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
    const qint64 totalMs = timer.elapsed();
    std::printf("drop to final totals: %lld ms; longest GUI stall after rows existed: %lld ms\n", totalMs,
                stalls.longest());

    QElapsedTimer recalc;
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < 10; ++i) {
        recalc.start();
        window.recalculate();
        best = std::min(best, recalc.nsecsElapsed());
    }
    std::printf("recalculate over %d rows: %.2f ms (best of 10)\n", count, best / 1e6);

    auto *table = window.findChild<QTableWidget *>(QStringLiteral("documentTable"));
    table->selectAll();
    for (int i = 0; i < 3; ++i) {
        const double colour = timeBatchChange(table, {QStringLiteral("颜色"), QStringLiteral("激光彩")}, {});
        const double price = timeBatchChange(table, {QStringLiteral("单价…")}, QString::number(0.07 + i));
        std::printf("batch over %d selected rows: colour %.1f ms, unit price %.1f ms\n",
                    int(table->selectionModel()->selectedRows().size()), colour, price);
    }
    return 0;
}
