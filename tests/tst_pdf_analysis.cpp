#include "analysis/pdf_analyzer.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString fixture(const QString &name)
{
    return testData(QStringLiteral("pdf/") + name);
}

const QString kLandscape = QString::fromUtf8(" 横向");

// Everything written to the standard output and error streams while `work` runs.
template <typename Work> QByteArray capturedOutput(Work work)
{
    QTemporaryFile sink;
    if (!sink.open())
        return "cannot capture";
    std::fflush(nullptr);
    const int saved[] = {dup(STDOUT_FILENO), dup(STDERR_FILENO)};
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO})
        dup2(sink.handle(), stream);
    work();
    std::fflush(nullptr);
    for (const int stream : {STDOUT_FILENO, STDERR_FILENO}) {
        dup2(saved[stream - 1], stream);
        close(saved[stream - 1]);
    }
    sink.seek(0);
    return sink.readAll();
}

} // namespace

class TestPdfAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixturesQuietly();
    void unreadablePaths();

private:
    QTemporaryDir m_dir;
};

// check_pdf_against_pdfinfo holds every fixture's page count and size against poppler's; here qpdf
// must never write to the terminal, whatever the file, and a file over 16 MiB, which qpdf reads
// from the disk rather than from memory, gives the same answer.
void TestPdfAnalysis::fixturesQuietly()
{
    const QString padded = m_dir.filePath(QStringLiteral("padded.pdf"));
    QFile file(padded);
    QVERIFY(QFile::copy(fixture("a4-rotate-90.pdf"), padded) && file.open(QIODevice::Append));
    QVERIFY(file.write(QByteArray(17 * 1024 * 1024, '\n')) > 0);
    file.close();
    QStringList paths{padded};
    for (const QString &name : QDir(testData(QStringLiteral("pdf"))).entryList({QStringLiteral("*.pdf")}))
        paths << fixture(name);
    QVERIFY(paths.size() > 30);
    for (const QString &path : paths) {
        int pages = -1, counted = -2;
        QCOMPARE(capturedOutput([&] { pages = pdfAnalyze(path).pageCount, counted = pdfPageCount(path); }),
                 QByteArray());
        QVERIFY2(pages == counted, qPrintable(path));
    }
    QCOMPARE(pdfAnalyze(padded).paperSize, QStringLiteral("A4") + kLandscape);
}

void TestPdfAnalysis::unreadablePaths()
{
    const QString directory = m_dir.filePath(QStringLiteral("directory.pdf"));
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.pdf")); // must not block
    QVERIFY(QDir().mkpath(directory) && mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    for (const QString &path : {m_dir.filePath(QStringLiteral("missing.pdf")), directory, fifo, QString()})
        QCOMPARE(pdfAnalyze(path).pageCount, 0);
}

// The test runner passes "-platform offscreen" to every test, which only a GUI application accepts.
QTEST_MAIN(TestPdfAnalysis)
#include "tst_pdf_analysis.moc"
