#include "analysis/legacy_doc_analyzer.h"
#include "analysis/legacy_doc_batch.h"
#include "analysis/libreoffice_renderer.h"
#include "analysis/ole_property_set.h"
#include "analysis/paper_size.h"
#include "analysis/word_fib.h"
#include "compound_file_builder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(WordPageInfo)

namespace {

const QString summaryName = QStringLiteral("\x05SummaryInformation");

QString fixture(const QString &name)
{
    return QStringLiteral(ORVANTA_TEST_DATA_DIR "/doc/") + name;
}

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    putU16(b, 0, v);
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    putU32(b, 0, v);
    return b;
}

// A typed property value: type, padding, payload.
QByteArray typed(quint16 type, const QByteArray &payload)
{
    return le16(type) + le16(0) + payload;
}

QByteArray summaryStream(const QByteArray &pageCountValue, const QByteArray &formatId = {})
{
    static const QByteArray summaryId = QByteArray::fromHex("E0859FF2F94F6810AB9108002B27B3D9");
    const QByteArray codepage = typed(2, le16(1252) + le16(0));
    QByteArray set = le32(0) + le32(pageCountValue.isEmpty() ? 1 : 2) + le32(1) + le32(24);
    if (!pageCountValue.isEmpty())
        set += le32(14) + le32(24 + quint32(codepage.size()));
    else
        set += le32(0) + le32(0);
    set += codepage + pageCountValue;
    putU32(set, 0, quint32(set.size()));
    return le16(0xFFFE) + le16(0) + le32(0x00020006) + QByteArray(16, '\0') + le32(1) +
           (formatId.isEmpty() ? summaryId : formatId) + le32(48) + set;
}

QByteArray sprm16(quint16 code, quint16 value)
{
    return le16(code) + le16(value);
}

QByteArray pageSetup(quint16 width, quint16 height)
{
    return sprm16(0xB01F, width) + sprm16(0xB020, height);
}

QByteArray orientation(quint8 value)
{
    return le16(0x301D) + QByteArray(1, char(value));
}

// A "WordDocument" stream whose file information block points at a section table at offset 0 of
// the table stream; the first section's property block lies at offset 1024.
struct WordStreams
{
    QByteArray wordDocument;
    QByteArray table;
};

constexpr int sepxOffset = 1024;
constexpr int fcPlcfSedOffset = 152 + 50;

WordStreams wordStreams(const QByteArray &sprms, quint16 flags = 0, int sections = 1)
{
    WordStreams s;
    s.wordDocument = QByteArray(sepxOffset, '\0');
    putU16(s.wordDocument, 0, 0xA5EC);
    putU16(s.wordDocument, 10, flags);
    putU16(s.wordDocument, 32, 14);
    putU16(s.wordDocument, 62, 22);
    putU16(s.wordDocument, 152, 93);
    putU32(s.wordDocument, fcPlcfSedOffset, 0);
    putU32(s.wordDocument, fcPlcfSedOffset + 4, 4 + 16 * quint32(sections));
    s.wordDocument += le16(quint16(sprms.size())) + sprms + QByteArray(16, '\0');

    for (int i = 0; i <= sections; ++i)
        s.table += le32(quint32(i * 100));
    for (int i = 0; i < sections; ++i)
        s.table += le16(0) + le32(i == 0 ? sepxOffset : 0xFFFFFFFF) + le16(0) + le32(0);
    return s;
}

QString fibLabel(const WordStreams &s)
{
    const auto size = wordFirstSectionPageSize(s.wordDocument, s.table);
    return size ? paperSizeLabel(size->widthPoints, size->heightPoints) : QString();
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

// A legacy DOC file with an optional page count and an optional first-section page setup.
QByteArray docFile(const QByteArray &pageCountValue, const QByteArray &sprms)
{
    const WordStreams s = wordStreams(sprms, 0x0200);
    QList<TestStream> streams{{QStringLiteral("WordDocument"), s.wordDocument},
                              {QStringLiteral("1Table"), s.table},
                              {QStringLiteral("0Table"), QByteArray(64, '\x7F')}};
    if (!pageCountValue.isNull())
        streams.append({summaryName, summaryStream(pageCountValue)});
    return buildCompoundFile(streams).bytes;
}

struct RecordingAutomation
{
    QList<QStringList> calls;
    QList<WordPageInfo> answers;

    PageInfoProvider provider()
    {
        return [this](const QStringList &paths) {
            calls.append(paths);
            return answers;
        };
    }
};

// Stands in for the office suite: copies each input to <outdir>/<base>.pdf unless it contains
// "fail"; an input containing "hang" leaves a sleeping child behind; "slow" delays the whole run.
// clang-format off
const char fakeSuite[] = R"sh(#!/bin/bash
here="$(dirname "$0")"
printf '%s\n' "$@" > "$here/arguments.txt"
outdir=""; files=()
while [ $# -gt 0 ]; do
  case "$1" in
    --outdir) outdir="$2"; shift 2 ;;
    --convert-to) shift 2 ;;
    -*) shift ;;
    *) files+=("$1"); shift ;;
  esac
done
for f in "${files[@]}"; do grep -q slow "$f" && sleep 1.5 && break; done
for f in "${files[@]}"; do
  if grep -q hang "$f"; then sleep 60 & echo $! > "$here/child.pid"; wait; fi
  grep -q fail "$f" && continue
  base="$(basename "$f")"
  cp "$f" "$outdir/${base%.*}.pdf"
done
)sh";
// clang-format on

// Reads the fake PDFs written by fakeSuite: "pages=N size=TEXT".
RenderedPdfReader fakePdfReader()
{
    const auto field = [](const QString &path, const QString &key) {
        QFile file(path);
        const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        return QRegularExpression(key + QStringLiteral("=(\\S+)")).match(text).captured(1);
    };
    return {[field](const QString &path) { return field(path, QStringLiteral("pages")).toInt(); },
            [field](const QString &path) { return field(path, QStringLiteral("size")); }};
}

// "pages size" of each answer, or "name pages size" of each result, in order.
QStringList summaries(const QList<WordPageInfo> &answers)
{
    QStringList out;
    for (const WordPageInfo &answer : answers)
        out << QString::number(answer.pageCount) + QLatin1Char(' ') + answer.paperSize;
    return out;
}

QStringList summaries(const QList<DocumentInfo> &results)
{
    QStringList out;
    for (const DocumentInfo &info : results)
        out << QStringLiteral("%1 %2 %3").arg(info.fileName).arg(info.pageCount).arg(info.paperSize);
    return out;
}

bool processAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) != "Z";
}

} // namespace

class TestLegacyDocAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void summaryPageCount_data();
    void summaryPageCount();
    void fibPaperSize_data();
    void fibPaperSize();
    void fileReaders_data();
    void fileReaders();
    void batchAsksAutomationOnlyForGaps_data();
    void batchAsksAutomationOnlyForGaps();
    void batchKeepsOrderAndSurvivesShortAnswers();

    void rendererAnswersEveryInput();
    void rendererKillsHungProcessTree();
    void rendererTimeoutGrowsWithBatch();
    void rendererWithoutProgram();

    void realOfficeSuiteRendersBatch();

private:
    QString makeFakeSuite(const QTemporaryDir &dir);
    QTemporaryDir m_dir;
};

void TestLegacyDocAnalysis::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestLegacyDocAnalysis::summaryPageCount_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("expected"); // -1: nothing

    const QByteArray i4 = summaryStream(typed(3, le32(7)));
    QTest::newRow("VT_I4") << i4 << 7;
    QTest::newRow("VT_UI4") << summaryStream(typed(19, le32(7))) << 7;
    QTest::newRow("VT_I2 is not a page count") << summaryStream(typed(2, le16(7) + le16(0))) << -1;
    QTest::newRow("string is not a page count")
        << summaryStream(typed(30, le32(4) + QByteArray("7\0\0\0", 4))) << -1;
    QTest::newRow("VT_UI4 above the int range") << summaryStream(typed(19, le32(0x80000000))) << -1;
    QTest::newRow("negative VT_I4 passes through") << summaryStream(typed(3, le32(quint32(-3)))) << -3;
    QTest::newRow("no property 14") << summaryStream(QByteArray()) << -1;
    QTest::newRow("other format identifier")
        << summaryStream(typed(3, le32(7)), QByteArray(16, '\x11')) << -1;
    const auto patched = [&i4](qint64 offset, quint32 value) {
        QByteArray stream = i4;
        putU32(stream, offset, value);
        return stream;
    };
    QTest::newRow("wrong byte order mark") << patched(0, 0xFEFF) << -1;
    QTest::newRow("truncated before the set") << i4.left(40) << -1;
    QTest::newRow("truncated inside the value") << i4.left(i4.size() - 2) << -1;
    QTest::newRow("set offset past the end") << patched(44, 0xFFFFFFF0) << -1;
    QTest::newRow("property count beyond the set") << patched(48 + 4, 0x7FFFFFFF) << -1;
    QTest::newRow("value offset past the set") << patched(48 + 8 + 8 + 4, 0x7FFFFFF0) << -1;
}

void TestLegacyDocAnalysis::summaryPageCount()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, expected);
    const auto count = summaryInformationPageCount(stream);
    QCOMPARE(count.has_value(), expected != -1);
    if (count)
        QCOMPARE(*count, expected);
}

void TestLegacyDocAnalysis::fibPaperSize_data()
{
    QTest::addColumn<QByteArray>("wordDocument");
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("expected");

    const QString landscape = QCoreApplication::translate("DocumentAnalyzer", " 横向");
    const auto row = [](const char *name, const WordStreams &s, const QString &expected) {
        QTest::newRow(name) << s.wordDocument << s.table << expected;
    };
    row("A4 portrait", wordStreams(pageSetup(11906, 16838)), "A4");
    row("Letter portrait", wordStreams(pageSetup(12240, 15840)), "Letter");
    row("landscape flag turns a portrait-shaped page", wordStreams(orientation(2) + pageSetup(11906, 16838)),
        "A4" + landscape);
    row("landscape page stays as it is", wordStreams(pageSetup(16838, 11906) + orientation(2)),
        "A4" + landscape);
    row("portrait orientation value leaves the page upright",
        wordStreams(orientation(1) + pageSetup(11906, 16838)), "A4");
    row("later modifier wins", wordStreams(pageSetup(12240, 15840) + pageSetup(11906, 16838)), "A4");
    row("width only", wordStreams(sprm16(0xB01F, 11906)), "");
    row("no page modifiers", wordStreams(sprm16(0x5015, 720) + sprm16(0x3009, 1)), "");
    row("operands of every size skipped",
        wordStreams(le16(0x0001) + "a" + le16(0x2002) + "b" + le16(0x4003) + "cc" + le16(0x6004) + "dddd" +
                    le16(0x8005) + "ee" + le16(0xA006) + "ff" + le16(0xE007) + "ggg" + le16(0xD208) +
                    QByteArray("\x03xyz", 4) + pageSetup(11906, 16838)),
        "A4");
    row("modifier crossing the block end stops the walk",
        wordStreams(sprm16(0xB01F, 11906) + le16(0xB020) + QByteArray(1, '\x01')), "");
    row("variable-length modifier without its length byte",
        wordStreams(pageSetup(11906, 16838) + le16(0xD208)), "A4");
    row("variable-length modifier longer than the block",
        wordStreams(le16(0xD208) + QByteArray("\x40", 1) + pageSetup(11906, 16838)), "");
    row("first section counts, not the second", wordStreams(pageSetup(12240, 15840), 0, 3), "Letter");

    const WordStreams good = wordStreams(pageSetup(11906, 16838));
    const auto damaged = [&good](const char *name, auto change, bool onTable = false) {
        WordStreams s = good;
        change(onTable ? s.table : s.wordDocument);
        QTest::newRow(name) << s.wordDocument << s.table << QString();
    };
    damaged("encrypted", [](QByteArray &w) { putU16(w, 10, 0x0100); });
    damaged("wrong identifier", [](QByteArray &w) { putU16(w, 0, 0xA5DC); });
    damaged("shorter than 12 bytes", [](QByteArray &w) { w.truncate(11); });
    damaged("shorter than 34 bytes", [](QByteArray &w) { w.truncate(33); });
    damaged("csw pushes the block past the end", [](QByteArray &w) { putU16(w, 32, 0xFFFF); });
    damaged("cslw pushes the block past the end", [](QByteArray &w) { putU16(w, 62, 0xFFFF); });
    damaged("fewer than 7 offset pairs", [](QByteArray &w) { putU16(w, 152, 6); });
    damaged("section table shorter than 20", [](QByteArray &w) { putU32(w, fcPlcfSedOffset + 4, 4); });
    damaged("section table length not 4 mod 16", [](QByteArray &w) { putU32(w, fcPlcfSedOffset + 4, 36); });
    damaged("section table past the table stream", [](QByteArray &w) { putU32(w, fcPlcfSedOffset, 8); });
    damaged("section table offset overflows", [](QByteArray &w) { putU32(w, fcPlcfSedOffset, 0xFFFFFFF0); });
    damaged(
        "first section without properties", [](QByteArray &t) { putU32(t, 8 + 2, 0xFFFFFFFF); }, true);
    damaged(
        "property block past the stream", [](QByteArray &t) { putU32(t, 8 + 2, 0x7FFFFFFF); }, true);
    damaged("property block longer than the stream", [](QByteArray &w) { putU16(w, sepxOffset, 0xFFFF); });
    damaged("property block shorter than 2 bytes", [](QByteArray &w) { putU16(w, sepxOffset, 1); });
    QTest::newRow("empty table stream") << good.wordDocument << QByteArray() << QString();
}

void TestLegacyDocAnalysis::fibPaperSize()
{
    QFETCH(QByteArray, wordDocument);
    QFETCH(QByteArray, table);
    QFETCH(QString, expected);
    QCOMPARE(fibLabel({wordDocument, table}), expected);
}

void TestLegacyDocAnalysis::fileReaders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("size");

    const QString landscape = QCoreApplication::translate("DocumentAnalyzer", " 横向");
    QTest::newRow("office suite A4, 3 pages") << fixture("a4-portrait-3-pages.doc") << 3 << "A4";
    QTest::newRow("office suite, two sections")
        << fixture("sections-a4-2-then-letter-landscape-1.doc") << 3 << "A4";

    const QString dir = m_dir.path() + QLatin1Char('/');
    QTest::newRow("built: negative count")
        << writeFile(dir + "negative.doc", docFile(typed(3, le32(quint32(-5))), QByteArray())) << 0 << "";
    QTest::newRow("built: no summary information")
        << writeFile(dir + "nosummary.doc", docFile(QByteArray(), pageSetup(12240, 15840))) << 0 << "Letter";
    QTest::newRow("plain text named .doc")
        << writeFile(dir + "text.doc", "Just some text, no Word here.\n") << 0 << "";
    QTest::newRow("missing file") << dir + "absent.doc" << 0 << "";
    QTest::newRow("empty file") << writeFile(dir + "empty.doc", "") << 0 << "";
    const QString fifo = dir + "pipe.doc";
    QTest::newRow("named pipe does not block")
        << (::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 ? fifo : QString()) << 0 << "";
}

void TestLegacyDocAnalysis::fileReaders()
{
    QFETCH(QString, path);
    QFETCH(int, pages);
    QFETCH(QString, size);
    QVERIFY(!path.isEmpty());
    QCOMPARE(oleSummaryPageCount(path), pages);
    QCOMPARE(wordFibPaperSize(path), size);
}

void TestLegacyDocAnalysis::batchAsksAutomationOnlyForGaps_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<WordPageInfo>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<WordPageInfo>("expected");

    const QString landscape = QCoreApplication::translate("DocumentAnalyzer", " 横向");
    const QString dir = m_dir.path() + QLatin1Char('/');
    const auto row = [](const char *name, const QString &path, WordPageInfo answer, bool asked,
                        WordPageInfo expected) {
        QTest::newRow(name) << path << answer << asked << expected;
    };
    const QString a4 = writeFile(dir + "seven.doc", docFile(typed(3, le32(7)), pageSetup(11906, 16838)));
    const QString noSize = writeFile(dir + "nosize.doc", docFile(typed(3, le32(5)), QByteArray()));
    const QString text = writeFile(dir + "plain.doc", "hello\n");
    row("7 pages and A4 from the file: not asked", a4, {9, "Letter"}, false, {7, "A4"});
    row("count missing: taken from the answer, file size kept", fixture("a3-landscape-1-page.doc"),
        {1, "Letter"}, true, {1, "A3" + landscape});
    row("VT_I2 count counts as missing", fixture("a5-landscape-4-pages.doc"), {4, ""}, true,
        {4, "A5" + landscape});
    row("size missing: taken from the answer, file count kept", noSize, {9, "Letter"}, true, {5, "Letter"});
    row("size missing and no answer: count stays, size empty", noSize, {0, ""}, true, {5, ""});
    row("plain text named .doc: asked, nothing found", text, {0, ""}, true, {0, ""});
    row("negative answer count becomes 0", text, {-4, ""}, true, {0, ""});
}

void TestLegacyDocAnalysis::batchAsksAutomationOnlyForGaps()
{
    QFETCH(QString, path);
    QFETCH(WordPageInfo, answer);
    QFETCH(bool, asked);
    QFETCH(WordPageInfo, expected);
    RecordingAutomation automation;
    automation.answers = {answer};
    const QList<DocumentInfo> results = analyzeLegacyDocumentsWith({path}, automation.provider());
    QCOMPARE(automation.calls, asked ? QList<QStringList>{{path}} : QList<QStringList>());
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.at(0).pageCount, expected.pageCount);
    QCOMPARE(results.at(0).paperSize, expected.paperSize);
}

void TestLegacyDocAnalysis::batchKeepsOrderAndSurvivesShortAnswers()
{
    const QString dir = m_dir.path() + QStringLiteral("/order/");
    QVERIFY(QDir().mkpath(dir));
    const QStringList paths{writeFile(dir + "REPORT.DOC", "text"), fixture("a4-portrait-3-pages.doc"),
                            writeFile(dir + "O'Brien.doc", "text"), writeFile(dir + "third.doc", "text")};
    RecordingAutomation automation;
    automation.answers = {WordPageInfo{2, QStringLiteral("A5")}, WordPageInfo{6, QString()}};
    const QList<DocumentInfo> results = analyzeLegacyDocumentsWith(paths, automation.provider());

    QCOMPARE(automation.calls, (QList<QStringList>{{paths.at(0), paths.at(2), paths.at(3)}}));
    // The answer list ran out before the last file.
    QCOMPARE(summaries(results), (QStringList{"REPORT.DOC 2 A5", "a4-portrait-3-pages.doc 3 A4",
                                              "O'Brien.doc 6 ", "third.doc 0 "}));
    QCOMPARE(results.at(0).fileType, QStringLiteral("DOC"));
    QCOMPARE(results.at(1).filePath, fixture("a4-portrait-3-pages.doc"));

    QCOMPARE(analyzeLegacyDocumentsWith({}, automation.provider()).size(), 0);
    QCOMPARE(automation.calls.size(), 1);
}

QString TestLegacyDocAnalysis::makeFakeSuite(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("fake-soffice"));
    if (writeFile(path, fakeSuite).isEmpty())
        return {};
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

// Inputs are staged under unique names, passed as separate arguments, and answered in order;
// a file the suite could not convert, or that is missing, gets an empty answer.
void TestLegacyDocAnalysis::rendererAnswersEveryInput()
{
    QTemporaryDir dir;
    const QString suite = makeFakeSuite(dir);
    QVERIFY(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
    const QStringList paths{writeFile(dir.filePath("a/report.doc"), "pages=2 size=A4"),
                            writeFile(dir.filePath("b/report.doc"), "pages=5 size=Letter"),
                            writeFile(dir.filePath("b/report.DOC"), "pages=8 size=B5"),
                            writeFile(dir.filePath("O'Brien $(touch pwned) `x`.doc"), "pages=4 size=A3"),
                            writeFile(dir.filePath("-rf.doc"), "pages=1 size=A5"),
                            writeFile(dir.filePath("two.doc"), "fail"),
                            dir.filePath("missing.doc")};
    QCOMPARE(summaries(libreOfficePageInfo(paths, suite, fakePdfReader())),
             (QStringList{"2 A4", "5 Letter", "8 B5", "4 A3", "1 A5", "0 ", "0 "}));
    QVERIFY(!QFile::exists(dir.filePath("pwned")));

    QFile log(dir.filePath("arguments.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList arguments =
        QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(arguments.size(), 7 + 6);
    QVERIFY(arguments.at(0).startsWith(QLatin1String("-env:UserInstallation=file:///")));
    QCOMPARE(arguments.mid(1, 5),
             (QStringList{"--headless", "--norestore", "--convert-to", "pdf", "--outdir"}));
    const QString work = QFileInfo(arguments.at(6)).path();
    QVERIFY(arguments.at(0).contains(QUrl::fromLocalFile(work).path()));
    for (const QString &input : arguments.mid(7)) {
        QCOMPARE(QFileInfo(input).path(), work + QStringLiteral("/in"));
        QVERIFY(!input.contains(QLatin1Char('\'')));
    }
    QVERIFY2(!QFileInfo::exists(work), "the private folder is removed afterwards");
}

void TestLegacyDocAnalysis::rendererKillsHungProcessTree()
{
    QTemporaryDir dir;
    const QString suite = makeFakeSuite(dir);
    const QStringList paths{writeFile(dir.filePath("ok.doc"), "pages=1 size=A4"),
                            writeFile(dir.filePath("stuck.doc"), "hang")};
    QElapsedTimer timer;
    timer.start();
    const QList<WordPageInfo> answers = libreOfficePageInfo(paths, suite, fakePdfReader(), 500);
    QVERIFY(timer.elapsed() < 10000);
    QCOMPARE(summaries(answers), (QStringList{"0 ", "0 "})); // output of a killed run is discarded

    QFile pidFile(dir.filePath("child.pid"));
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const qint64 child = pidFile.readAll().trimmed().toLongLong();
    QVERIFY(child > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!processAlive(child), 5000);
}

void TestLegacyDocAnalysis::rendererTimeoutGrowsWithBatch()
{
    QTemporaryDir dir;
    const QString suite = makeFakeSuite(dir);
    // The fake run takes 1.5 s: too long for one file at 1 s each, fine for three.
    const QString slow = writeFile(dir.filePath("slow.doc"), "slow pages=2 size=A4");
    QCOMPARE(libreOfficePageInfo({slow}, suite, fakePdfReader(), 1000).at(0).pageCount, 0);
    const QStringList three{slow, writeFile(dir.filePath("b.doc"), "pages=1"),
                            writeFile(dir.filePath("c.doc"), "x")};
    QCOMPARE(libreOfficePageInfo(three, suite, fakePdfReader(), 1000).at(0).pageCount, 2);
}

void TestLegacyDocAnalysis::rendererWithoutProgram()
{
    QTemporaryDir dir;
    const QString doc = writeFile(dir.filePath("a.doc"), "pages=1 size=A4");
    const QString notExecutable = writeFile(dir.filePath("soffice"), "#!/bin/sh\n");
    for (const QString &program : {QString(), dir.filePath("absent"), notExecutable}) {
        QCOMPARE(summaries(libreOfficePageInfo({doc, doc}, program, fakePdfReader())),
                 (QStringList{"0 ", "0 "}));
    }
    QCOMPARE(libreOfficePageInfo({}, makeFakeSuite(dir), fakePdfReader()).size(), 0);
    QVERIFY2(!QFile::exists(dir.filePath("arguments.txt")), "an empty batch starts nothing");
}

void TestLegacyDocAnalysis::realOfficeSuiteRendersBatch()
{
    if (findLibreOfficeProgram().isEmpty()) {
        QVERIFY(!isWordAutomationAvailable());
        QSKIP("soffice is not installed");
    }
    QVERIFY(isWordAutomationAvailable());

    const QString landscape = QCoreApplication::translate("DocumentAnalyzer", " 横向");
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("x") && QDir(dir.path()).mkpath("y"));
    const QString a3 = dir.filePath("x/O'Brien.doc");
    const QString a5 = dir.filePath("y/O'Brien.doc");
    QVERIFY(QFile::copy(fixture("a3-landscape-1-page.doc"), a3));
    QVERIFY(QFile::copy(fixture("a5-landscape-4-pages.doc"), a5));
    const QString text = writeFile(dir.filePath("notes.doc"), "Plain text, not a Word file.\n");
    const QStringList paths{fixture("a4-portrait-3-pages.doc"), a3, a5, text};

    QElapsedTimer timer;
    timer.start();
    const QList<DocumentInfo> results = analyzeLegacyDocuments(paths);
    qInfo("office suite batch of 3 files: %lld ms", timer.elapsed());
    // Unlike the file readers, the suite opens a text file and lays it out on one page.
    QCOMPARE(summaries(results).mid(0, 3),
             (QStringList{"a4-portrait-3-pages.doc 3 A4", "O'Brien.doc 1 A3" + landscape,
                          "O'Brien.doc 4 A5" + landscape}));
    QCOMPARE(results.at(3).pageCount, 1);
    QVERIFY(!results.at(3).paperSize.isEmpty());
}

// A GUI application object so that the "-platform offscreen" the test runner passes is understood.
QTEST_MAIN(TestLegacyDocAnalysis)
#include "tst_legacy_doc_analysis.moc"
