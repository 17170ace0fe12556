#include "analysis/libreoffice_renderer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent>

// Closing the window must not wait for an office-suite render that nobody will see.
class OfficeRenderCancelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cancelEndsARunningRenderAndLaterRendersStillRun();
};

void OfficeRenderCancelTest::cancelEndsARunningRenderAndLaterRendersStillRun()
{
    QTemporaryDir dir;
    const QString suite = dir.filePath(QStringLiteral("soffice"));
    QFile script(suite);
    QVERIFY(script.open(QIODevice::WriteOnly));
    // Hangs on the first run; on later runs writes a PDF for every input like the real suite.
    script.write("#!/bin/sh\nhere=$(dirname \"$0\")\n"
                 "if [ ! -e \"$here/ran\" ]; then touch \"$here/ran\"; sleep 60; fi\n"
                 "while [ $# -gt 0 ]; do case \"$1\" in --outdir) out=$2; shift 2;; -*|--*) shift;; "
                 "*) b=$(basename \"$1\"); echo x > \"$out/${b%.*}.pdf\"; shift;; esac; done\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString document = dir.filePath(QStringLiteral("letter.doc"));
    QFile input(document);
    QVERIFY(input.open(QIODevice::WriteOnly));
    input.write("not really a doc");
    input.close();
    const RenderedPdfReader reader{[](const QString &) { return 5; },
                                   [](const QString &) { return QStringLiteral("A4"); }};

    QElapsedTimer elapsed;
    elapsed.start();
    QFuture<QList<WordPageInfo>> running =
        QtConcurrent::run([&] { return libreOfficePageInfo({document}, suite, reader, 60000); });
    QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("ran"))));
    cancelRunningOfficeRenders();
    running.waitForFinished();
    QVERIFY2(elapsed.elapsed() < 20000, "the render was waited for instead of cancelled");
    QCOMPARE(running.result().value(0).pageCount, 0);
    QVERIFY(running.result().value(0).paperSize.isEmpty());

    const QList<WordPageInfo> later = libreOfficePageInfo({document}, suite, reader, 60000);
    QCOMPARE(later.value(0).pageCount, 5);
    QCOMPARE(later.value(0).paperSize, QStringLiteral("A4"));
}

QTEST_GUILESS_MAIN(OfficeRenderCancelTest)
#include "tst_office_render_cancel.moc"
