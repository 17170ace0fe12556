#include "app/main_window.h"
#include "documents/document_columns.h"
#include "storage/price_database.h"
#include "storage/profile_store.h"
#include "support/gui_test_support.h"
#include "support/sqlite_test_connection.h"
#include "support/test_environment.h"
#include "support/test_files.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// The user's part is played by steps that act on the open popup menu or modal dialog, in order;
// a step returns false while what it waits for is not open yet.
class ContextMenuTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { m_window.reset(); }
    void entriesFollowTheClickedRowAndSelection();
    void batchEntriesChangeEverySelectedRow();
    void movedRowsKeepTheirChoicesSpinnerAndResult();

private:
    // Picks an entry through the keyboard, opening submenus on the way; an empty path records the
    // entries ("-" before a disabled one, "✓" after a checked one) and closes the menu.
    void pick(const QStringList &path)
    {
        m_steps.append([this, path] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return false;
            if (path.isEmpty()) {
                m_offered.clear();
                for (const QAction *action : menu->actions())
                    m_offered << QString(action->isEnabled() ? "" : "-") + action->text() +
                                     (action->isChecked() ? "✓" : "");
                m_offered.removeAll(QString());
                QTest::keyClick(menu, Qt::Key_Escape);
            }
            for (int level = 0; level < path.size(); ++level) {
                const QList<QAction *> actions = menu->actions();
                QAction *action = *std::find_if(actions.begin(), actions.end(),
                                                [&](QAction *a) { return a->text() == path.at(level); });
                menu->setActiveAction(action);
                QTest::keyClick(menu, action->menu() ? Qt::Key_Right : Qt::Key_Return);
                menu = action->menu();
            }
            return true;
        });
    }
    // Answers the next input dialog with the text, or closes the next message box; records both.
    void answer(const QString &text = QString())
    {
        m_steps.append([this, text] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                m_messages << box->windowTitle() + QLatin1Char('|') + box->text();
                box->done(QMessageBox::Ok);
            } else if (auto *dialog = qobject_cast<QInputDialog *>(modal)) {
                const bool number = dialog->inputMode() == QInputDialog::IntInput;
                m_messages << dialog->labelText() + QLatin1Char('|') +
                                  (number ? QString::number(dialog->intValue()) : dialog->textValue());
                number ? dialog->setIntValue(text.toInt()) : dialog->setTextValue(text);
                dialog->accept();
            }
            return modal != nullptr;
        });
    }
    void rightClick(int row)
    {
        const QPoint at = row < 0 ? QPoint(5, m_table->viewport()->height() - 5)
                                  : m_table->visualRect(m_table->model()->index(row, 0)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_table->viewport()->mapToGlobal(at));
        QApplication::sendEvent(m_table->viewport(), &event);
    }
    QTemporaryDir m_dir;
    QStringList m_paths;
    std::unique_ptr<MainWindow> m_window;
    QTableWidget *m_table = nullptr;
    QTimer m_timer;
    QList<std::function<bool()>> m_steps;
    QStringList m_offered;
    QStringList m_messages;
};

void ContextMenuTest::initTestCase()
{
    isolateTestEnvironment(QStringLiteral("tst_gui_context_menu"));
    PriceProfile german; // prices are typed and shown with a decimal comma
    german.localeName = QStringLiteral("de_DE");
    german.currencyCode = QStringLiteral("EUR");
    storeTestProfiles({{QStringLiteral("通用"), german}});
    // Written before any window starts a process: a child forked while the script is still open for
    // writing would keep it busy, and running it would fail with ETXTBSY.
    const QString renderer = m_dir.filePath(QStringLiteral("bin/soffice"));
    const QString waiting = QStringLiteral("#!/bin/sh\nwhile [ ! -e '%1.go' ]; do sleep 0.05; done\n");
    QVERIFY(QFile::setPermissions(writeFile(renderer, waiting.arg(renderer).toUtf8()),
                                  QFile::ReadOwner | QFile::ExeOwner));
    for (int i = 0; i < 4; ++i)
        writeTestPage(m_paths.emplace_back(m_dir.filePath(QStringLiteral("page%1.png").arg(i))), 2480, 3508);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!m_steps.isEmpty() && m_steps.first()())
            m_steps.removeFirst();
    });
    m_timer.start(10);
}

void ContextMenuTest::init()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    m_table = m_window->findChild<QTableWidget *>(QStringLiteral("documentTable"));
    m_window->addPaths(m_paths);
    QTRY_COMPARE(m_window->pendingAnalysisCount(), 0);
    m_table->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 7), true);
    m_messages.clear();
}

void ContextMenuTest::entriesFollowTheClickedRowAndSelection()
{
    const QStringList open = {"打开文件", "打开文件所在位置"};
    pick({});
    rightClick(-1); // below the last row: no menu
    QTest::qWait(30);
    rightClick(1); // inside the selection: batch entries, no moves
    QCOMPARE(m_offered, open + QStringList({"颜色", "份数…", "单价…", "装订方式", "-上移", "-下移", "删除"}));
    QCOMPARE(m_table->selectionModel()->selectedRows().size(), 3);
    pick({});
    rightClick(3); // outside: that row alone, and the last row cannot move down
    QCOMPARE(m_offered, open + QStringList({"上移", "-下移", "删除"}));
    QCOMPARE(m_table->selectionModel()->selectedRows().size(), 1);
    QVERIFY(QFile::rename(m_paths.at(0), m_paths.at(0) + ".gone"));
    pick({});
    rightClick(0);
    QCOMPARE(m_offered, QStringList({"-打开文件", "-打开文件所在位置", "-上移", "下移", "删除"}));
    QVERIFY(QFile::rename(m_paths.at(0) + ".gone", m_paths.at(0)));
}

void ContextMenuTest::batchEntriesChangeEverySelectedRow()
{
    m_table->item(1, CopiesColumn)->setText(QStringLiteral("4")); // the dialog starts from it
    pick({"颜色", "激光彩"});
    pick({"装订方式", "角钉"});
    pick({"份数…"});
    answer(QStringLiteral("7"));
    for (int row : {1, 2, 1})
        rightClick(row);
    QCOMPARE(m_messages, QStringList("将选中的 3 个文件设置为多少份？|4"));
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("已将 3 个文件的份数设为 7"));
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(m_window->rowColorMode(row), row < 3 ? "laserColor" : "blackWhite");
        QCOMPARE(m_window->rowBinding(row), row < 3 ? "cornerStaple" : "none");
        QCOMPARE(m_window->cellText(row, CopiesColumn), row < 3 ? "7" : "1");
    }
    // Unit prices are read in the profile's locale and refused outside 0 to 9999.
    const QString start = QStringLiteral("将选中的 3 个文件设置为多少 EUR？|0,05");
    const QString refusal = QStringLiteral("输入无效|请输入 0 到 9999 之间的有效金额。");
    const QList<QStringList> prices = {{"10000", "0,05", start, refusal},
                                       {"abc", "0,05", start, refusal},
                                       {"12,5", "12,50", start},
                                       {"0", "0,00", "将选中的 3 个文件设置为多少 EUR？|12,50"}};
    for (const QStringList &price : prices) {
        m_messages.clear();
        pick({"单价…"});
        answer(price.at(0));
        if (price.size() > 3)
            answer();
        rightClick(0);
        QVERIFY(m_steps.isEmpty());
        QCOMPARE(m_messages, price.mid(2));
        for (int row = 0; row < 4; ++row)
            QCOMPARE(m_window->cellText(row, UnitPriceColumn), row < 3 ? price.at(1) : "0,05");
    }
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("已设置 3 个文件的单价"));
    QCOMPARE(m_window->cellText(0, AmountColumn), QStringLiteral("1,40")); // 7 corner staples at 0,20
}

// The office renderer is a script that waits for the test, so the legacy document is certainly
// still being analysed when it moves; a choice popup follows its row too.
void ContextMenuTest::movedRowsKeepTheirChoicesSpinnerAndResult()
{
    const QString renderer = m_dir.filePath(QStringLiteral("bin/soffice"));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_dir.filePath(QStringLiteral("bin:"))) + path);
    // Word's RTF saved as .doc: no stored page count, so only the office renderer can count it.
    const QString legacy = writeFile(m_dir.filePath(QStringLiteral("legacy.doc")), "{\\rtf1 legacy}");
    m_window->addPaths({legacy});

    pick({"上移"});
    rightClick(4);
    QCOMPARE(m_window->documentPathAt(3), legacy);
    QVERIFY(m_table->item(3, PagesColumn)->data(AnalysingRole).toBool());
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                      m_table->visualRect(m_table->model()->index(3, ColorColumn)).center());
    m_window->moveRow(3, 0);
    pick({"喷墨彩"});
    QTRY_VERIFY(m_steps.isEmpty());
    QCOMPARE(m_window->rowColorMode(0), QStringLiteral("inkjetColor"));
    QFile(renderer + ".go").open(QIODevice::WriteOnly);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->pendingAnalysisCount(), 0, 20000);
    qputenv("PATH", path);
    QVERIFY(!m_table->item(0, PagesColumn)->data(AnalysingRole).toBool());
    QCOMPARE(m_window->cellText(0, SizeColumn), QStringLiteral("未知"));
    QCOMPARE(m_window->rowColorMode(4), QStringLiteral("blackWhite"));
}

QTEST_MAIN(ContextMenuTest)
#include "tst_gui_context_menu.moc"
