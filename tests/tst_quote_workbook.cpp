#include "export/quote_workbook.h"
#include "support/guiless_test_main.h"

#include <QFile>
#include <QTemporaryDir>

class TestQuoteWorkbook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failureLeavesPathAsItWas_data();
    void failureLeavesPathAsItWas();
};

void TestQuoteWorkbook::failureLeavesPathAsItWas_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("targetIsFolder");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errorStart");
    QTest::newRow("control character in a file name")
        << QStringLiteral("bad\x01name.pdf") << false << int(WorkbookStatus::MalformedSheet)
        << QStringLiteral("Excel 工作表内容生成失败。");
    QTest::newRow("target is a folder") << QStringLiteral("a.pdf") << true << int(WorkbookStatus::WriteFailed)
                                        << QStringLiteral("无法写入 Excel 文件：");
}

void TestQuoteWorkbook::failureLeavesPathAsItWas()
{
    QFETCH(QString, fileName);
    QFETCH(bool, targetIsFolder);
    QFETCH(int, status);
    QFETCH(QString, errorStart);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quote.xlsx"));
    QFile previous(path);
    QVERIFY(targetIsFolder ? QDir().mkdir(path)
                           : previous.open(QIODevice::WriteOnly) && previous.write("old") == 3);
    previous.close();
    QuoteSnapshot snapshot;
    snapshot.rows.append(QuoteRow());
    snapshot.rows.last().fileName = fileName;
    const WorkbookResult result = writeQuoteWorkbook(snapshot, path);
    QCOMPARE(int(result.status), status);
    QVERIFY2(result.errorText.startsWith(errorStart), qPrintable(result.errorText));
    QCOMPARE(QFileInfo(path).isDir(), targetIsFolder);
    if (!targetIsFolder)
        QCOMPARE(QFile(path).size(), 3);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

ORVANTA_GUILESS_TEST_MAIN(TestQuoteWorkbook)
#include "tst_quote_workbook.moc"
