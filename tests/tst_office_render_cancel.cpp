#include "analysis/libreoffice_renderer.h"
#include "support/test_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent>

// Closing the window must not wait for an office-suite render that nobody will see.
class OfficeRenderCancelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cancelEndsARunningRenderAndLaterRendersStillRun()
    {
        QTemporaryDir dir;
        const QString suite = dir.filePath(QStringLiteral("soffice"));
        // Hangs on its first run; later runs write a PDF for every input like the real suite.
        writeFile(suite, "#!/bin/sh\nhere=$(dirname \"$0\")\n"
                         "if [ ! -e \"$here/ran\" ]; then touch \"$here/ran\"; sleep 60; fi\n"
                         "while [ $# -gt 0 ]; do case \"$1\" in --outdir) out=$2; shift 2;; -*) shift;; "
                         "*) b=$(basename \"$1\"); echo x > \"$out/${b%.*}.pdf\"; shift;; esac; done\n");
        QVERIFY(QFile::setPermissions(suite, QFile::ReadOwner | QFile::ExeOwner));
        const QString document = dir.filePath(QStringLiteral("letter.doc"));
        writeFile(document, {});
        const RenderedPdfReader reader{[](const QString &) { return 5; },
                                       [](const QString &) { return QStringLiteral("A4"); }};
        QFuture<QList<WordPageInfo>> running =
            QtConcurrent::run([&] { return libreOfficePageInfo({document}, suite, reader, 60000); });
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("ran"))));
        cancelRunningOfficeRenders();
        // Not cancelled, the render would run for its whole minute.
        QTRY_VERIFY_WITH_TIMEOUT(running.isFinished(), 20000);
        QCOMPARE(running.result().value(0).pageCount, 0);
        const QList<WordPageInfo> later = libreOfficePageInfo({document}, suite, reader, 60000);
        QCOMPARE(later.value(0).pageCount, 5);
        QCOMPARE(later.value(0).paperSize, QStringLiteral("A4"));
    }
};

QTEST_GUILESS_MAIN(OfficeRenderCancelTest)
#include "tst_office_render_cancel.moc"
