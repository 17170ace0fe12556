#include "analysis/legacy_doc_analyzer.h"
#include "analysis/legacy_doc_batch.h"
#include "analysis/libreoffice_renderer.h"
#include "analysis/ole_property_set.h"
#include "analysis/paper_size.h"
#include "analysis/word_fib.h"
#include "compound_file_builder.h"
#include "support/test_files.h"
#include "table_row.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

namespace {

QString fixture(const QString &name)
{
    return testData(QStringLiteral("doc/") + name);
}

QByteArray le(quint32 value, int bytes = 4)
{
    QByteArray b(4, '\0');
    putU32(b, 0, value);
    return b.left(bytes);
}

// Opens a compound file and reads one stream: -2 when the file does not open, -1 when the stream
// is not available, else its size; data receives the bytes.
int readStream(QByteArray bytes, const QString &name, QByteArray *data = nullptr)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CompoundFile file(&buffer);
    if (!file.open())
        return -2;
    const std::optional<QByteArray> stream = file.readStream(name);
    if (data && stream)
        *data = *stream;
    return stream ? int(stream->size()) : -1;
}

// A summary information stream: code page, then property 14 with the given typed value.
QByteArray summaryStream(quint16 type, const QByteArray &value, const QByteArray &formatId = {})
{
    QByteArray set = le(0) + le(2) + le(1) + le(24) + le(14) + le(32) + le(2) + le(1252) + le(type) + value;
    putU32(set, 0, quint32(set.size()));
    return le(0xFFFE, 2) + le(0, 2) + le(0x00020006) + QByteArray(16, '\0') + le(1) +
           (formatId.isEmpty() ? QByteArray::fromHex("E0859FF2F94F6810AB9108002B27B3D9") : formatId) +
           le(48) + set;
}

QByteArray pageSetup(quint16 width, quint16 height)
{
    return le(0xB01F, 2) + le(width, 2) + le(0xB020, 2) + le(height, 2);
}

// A "WordDocument" stream whose file information block points at a section table at offset 0 of
// the table stream; the first section's property block (sprms) lies at offset 1024.
struct WordStreams
{
    QByteArray wordDocument, table;
};

WordStreams wordStreams(const QByteArray &sprms, int sections = 1)
{
    WordStreams s{QByteArray(1024, '\0'), {}};
    for (const int field : {0xA5EC, 10 << 16 | 0x0200, 32 << 16 | 14, 62 << 16 | 22, 152 << 16 | 93})
        putU16(s.wordDocument, field >> 16, quint16(field)); // identifier, flags (table 1), csw, cslw, pairs
    putU32(s.wordDocument, 206, 4 + 16 * quint32(sections));
    s.wordDocument += le(quint32(sprms.size()), 2) + sprms + QByteArray(16, '\0');
    for (int i = 0; i <= sections; ++i)
        s.table += le(quint32(i * 100));
    for (int i = 0; i < sections; ++i)
        s.table += le(0, 2) + le(i == 0 ? 1024 : 0xFFFFFFFF) + QByteArray(6, '\0');
    return s;
}

// A DOC file with an optional summary stream and a first-section page setup.
QByteArray docFile(const QByteArray &summary, const QByteArray &sprms)
{
    const WordStreams s = wordStreams(sprms);
    QList<TestStream> streams{{"WordDocument", s.wordDocument}, {"1Table", s.table}, {"0Table", "\x7F"}};
    if (!summary.isEmpty())
        streams.append({"\x05SummaryInformation", summary});
    return buildCompoundFile(streams).bytes;
}

// Stands in for the office suite: copies each input to <outdir>/<base>.pdf unless it contains
// "fail"; an input containing "hang" leaves a sleeping child behind; "slow" delays the whole run.
const char fakeSuite[] = R"sh(#!/bin/bash
here="$(dirname "$0")"; printf '%s\n' "$@" > "$here/arguments.txt"; files=()
while [ $# -gt 0 ]; do
  case "$1" in --outdir) outdir="$2"; shift 2 ;; --convert-to) shift 2 ;; -*) shift ;; *) files+=("$1"); shift ;; esac
done
for f in "${files[@]}"; do grep -q slow "$f" && sleep 1.5 && break; done
for f in "${files[@]}"; do
  if grep -q hang "$f"; then sleep 60 & echo $! > "$here/child.pid"; wait; fi
  grep -q fail "$f" || { base="$(basename "$f")"; cp "$f" "$outdir/${base%.*}.pdf"; }
done
)sh";

// Runs the fake suite on paths and gives "pages size" of each answer; the fake PDFs say "pages=N size=TEXT".
QStringList render(const QStringList &paths, const QString &program, int timeoutPerFileMs = 30000)
{
    const auto field = [](const QString &path, const QString &key) {
        return QRegularExpression(key + "=(\\S+)").match(QString::fromUtf8(readFile(path))).captured(1);
    };
    const RenderedPdfReader reader{[&](const QString &path) { return field(path, "pages").toInt(); },
                                   [&](const QString &path) { return field(path, "size"); }};
    QStringList out;
    for (const WordPageInfo &answer : libreOfficePageInfo(paths, program, reader, timeoutPerFileMs))
        out << QString::number(answer.pageCount) + QLatin1Char(' ') + answer.paperSize;
    return out;
}

// "name pages size" of each result, in order.
QStringList summaries(const QList<DocumentInfo> &results)
{
    QStringList out;
    for (const DocumentInfo &info : results)
        out << QStringLiteral("%1 %2 %3").arg(info.fileName).arg(info.pageCount).arg(info.paperSize);
    return out;
}

} // namespace

class TestLegacyDocAnalysis : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    // Small goes to the mini stream, Large and Cutoff to regular sectors; names are found in the
    // format's order (shorter first, then upper-cased).
    void compoundFileReadsEveryStream()
    {
        QList<TestStream> streams;
        // clang-format off
        const std::pair<const char *, int> sizes[] = {{"Small", 300}, {"Large", 5000}, {"Cutoff", 4096}, {"Tiny", 1},
            {"Empty", 0}, {"ObjectPoolX", 70}, {"\x05SummaryInformation", 9}, {"WordDocument", 12}, {"_", 2}, {"é", 3}, {"zz", 4}};
        const std::pair<int, uint> layouts[] = {{3, 1}, {4, 1}, {3, 250}, {4, 115}}; // the last two need DIFAT sectors
        // clang-format on
        for (const auto &[name, size] : sizes) {
            QByteArray data;
            for (int i = 0; i < size; ++i)
                data += char((i * 31 + int(streams.size())) % 251);
            streams.append({QString::fromUtf8(name), data});
        }
        for (const auto &[version, minFatSectors] : layouts) {
            const TestCompoundFile file = buildCompoundFile(streams, version, minFatSectors);
            for (const TestStream &stream : streams) {
                QByteArray data;
                const QByteArray name = stream.name.toUtf8();
                // An empty stream counts as not available.
                ROW_COMPARE(name, readStream(file.bytes, stream.name, &data),
                            stream.data.isEmpty() ? -1 : int(stream.data.size()));
                QVERIFY2(data == stream.data, name);
                ROW_COMPARE(name, readStream(file.bytes, stream.name.toUpper()),
                            readStream(file.bytes, stream.name));
            }
            QCOMPARE(readStream(file.bytes, "WordDocumen"), -1);
        }
        QCOMPARE(compareDirectoryNames("ZZ", "aaa"), -1);
        QCOMPARE(compareDirectoryNames("_", "a"), 1);
        QCOMPARE(compareDirectoryNames("é", "É"), 0);
    }

    void compoundFileRejectsDamage()
    {
        // What a damage row may change, and where the structures are.
        struct Target
        {
            const TestCompoundFile &file;
            QByteArray &b;
            qint64 root, entry; // directory entries: the root's and the stream's
            quint32 start;      // the stream's first sector or mini sector
            qint64 fat(quint32 sector) const { return file.fatOffset + 4 * qint64(sector); }
            qint64 miniFat(quint32 sector) const { return file.miniFatOffset + 4 * qint64(sector); }
        };
        using T = Target &;
        // clang-format off
        const QList<TestStream> streams{{"Small", QByteArray(300, 's')}, {"Large", QByteArray(5000, 'l')}, {"Tiny", "t"},
                                        {"Cutoff", QByteArray(4096, 'c')}};
        constexpr int Small = 0, Large = 1, Tiny = 2;
        // size: -2 when the file must not open, -1 when the stream must not be available
        const struct { const char *name; int stream; void (*damage)(T); int size, version; uint minFatSectors; } rows[] = {
            {"bad signature", Small, [](T t) { t.b[0] = 0; }, -2, 3, 1},
            {"version 3 with 4096-byte sectors", Small, [](T t) { putU16(t.b, 30, 12); }, -2, 3, 1},
            {"FAT sector count beyond the file", Small, [](T t) { putU32(t.b, 44, 0x00FFFFFF); }, -2, 3, 1},
            {"DIFAT chain loops", Small, [](T t) { putU32(t.b, t.file.sectorSize * (getU32(t.b, 68) + 2) - 4, getU32(t.b, 68)); },
             -2, 3, 250},
            {"directory chain loops", Small, [](T t) { putU32(t.b, t.fat(quint32(t.root / 512 - 1)), quint32(t.root / 512 - 1)); }, -2, 3, 1},
            {"first entry is not the root", Small, [](T t) { t.b[t.root + 66] = 1; }, -2, 3, 1},
            {"mini stream longer than its chain", Small, [](T t) { putU32(t.b, t.root + 120, getU32(t.b, t.root + 120) + 512); }, -2, 3, 1},
            {"FAT chain loops", Large, [](T t) { putU32(t.b, t.fat(t.start + 5), t.start); }, -1, 3, 1},
            {"FAT chain points past the end", Large, [](T t) { putU32(t.b, t.fat(t.start + 2), 0x00FFFFFF); }, -1, 3, 1},
            {"stream size above 4 GiB in version 4", Large, [](T t) { putU32(t.b, t.entry + 124, 1); }, -1, 4, 1},
            {"upper size half ignored in version 3", Large, [](T t) { putU32(t.b, t.entry + 124, 1); }, 5000, 3, 1},
            {"mini chain loops", Small, [](T t) { putU32(t.b, t.miniFat(t.start + 2), t.start); }, -1, 3, 1},
            {"directory tree loops", Small, [](T t) { const quint32 top = getU32(t.b, t.root + 76);
                putU32(t.b, t.root + 128 * top + 68, top), putU32(t.b, t.root + 128 * top + 72, top); }, -1, 3, 1},
            {"tree reaches an unused entry", Tiny, [](T t) { putU32(t.b, t.root + 76, 7); }, -1, 3, 1},
            {"storage where a stream is expected", Tiny, [](T t) { t.b[t.entry + 66] = 1; }, -1, 3, 1}};
        // clang-format on
        for (const auto &row : rows) {
            TestCompoundFile file = buildCompoundFile(streams, row.version, row.minFatSectors);
            Target target{file, file.bytes, file.directoryOffset,
                          file.directoryOffset + 128 * (row.stream + 1), file.startSectors.at(row.stream)};
            row.damage(target);
            ROW_COMPARE(row.name, readStream(file.bytes, streams.at(row.stream).name), row.size);
        }
    }

    void summaryPageCount()
    {
        const QByteArray i4 = summaryStream(3, le(7));
        const auto patched = [&i4](qint64 offset, quint32 value) {
            QByteArray stream = i4;
            putU32(stream, offset, value);
            return stream;
        };
        // clang-format off
        const struct { const char *name; QByteArray stream; int count; } rows[] = { // -1: nothing
            {"VT_I4", i4, 7}, {"VT_I2 is not a page count", summaryStream(2, le(7)), -1},
            {"VT_UI4 above the int range", summaryStream(19, le(0x80000000)), -1},
            {"other format identifier", summaryStream(3, le(7), QByteArray(16, '\x11')), -1},
            {"set offset past the end", patched(44, 0xFFFFFFF0), -1}, {"property count beyond the set", patched(52, 0x7FFFFFFF), -1},
            {"value offset past the set", patched(68, 0x7FFFFFF0), -1}};
        // clang-format on
        for (const auto &row : rows)
            ROW_COMPARE(row.name, summaryInformationPageCount(row.stream).value_or(-1), row.count);
    }

    void fibPaperSize()
    {
        using B = QByteArray &;
        const QByteArray a4 = pageSetup(11906, 16838), landscape = le(0x301D, 2) + "\x02";
        const auto damaged = [](void (*change)(B), bool onTable = false) {
            WordStreams s = wordStreams(pageSetup(11906, 16838));
            change(onTable ? s.table : s.wordDocument);
            return s;
        };
        // clang-format off
        const struct { const char *name; WordStreams streams; QString label; } rows[] = {
            {"landscape flag turns a portrait-shaped page", wordStreams(landscape + a4), "A4 横向"},
            {"landscape page stays as it is", wordStreams(pageSetup(16838, 11906) + landscape), "A4 横向"},
            {"width only", wordStreams(le(0xB01F, 2) + le(11906, 2)), ""},
            {"operands of every size skipped", wordStreams(le(0x0001, 2) + "a" + le(0x2002, 2) + "b" + le(0x4003, 2) + "cc" +
                 le(0x6004, 2) + "dddd" + le(0x8005, 2) + "ee" + le(0xA006, 2) + "ff" + le(0xE007, 2) + "ggg" + le(0xD208, 2) +
                 "\x03xyz" + a4), "A4"},
            {"modifier crossing the block end", wordStreams(le(0xB01F, 2) + le(11906, 2) + le(0xB020, 2) + "\x01"), ""},
            {"first section counts, not the second", wordStreams(pageSetup(12240, 15840), 3), "Letter"},
            {"encrypted", damaged([](B w) { putU16(w, 10, 0x0300); }), ""},
            {"section table length not 4 mod 16", damaged([](B w) { putU32(w, 206, 36); }), ""},
            {"section table past the table stream", damaged([](B w) { putU32(w, 202, 8); }), ""},
            {"first section without properties", damaged([](B t) { putU32(t, 10, 0xFFFFFFFF); }, true), ""},
            {"property block longer than the stream", damaged([](B w) { putU16(w, 1024, 0xFFFF); }), ""}};
        // clang-format on
        for (const auto &row : rows) {
            const auto size = wordFirstSectionPageSize(row.streams.wordDocument, row.streams.table);
            ROW_COMPARE(row.name, size ? paperSizeLabel(size->widthPoints, size->heightPoints) : QString(),
                        row.label);
        }
    }

    // The file readers, then one automation call for the Word, RTF and HTML files still lacking a page
    // count or a paper size; what the files provided is never replaced, and a short answer list is no
    // fault. Text, pipes, missing and empty files never reach the word processor.
    void fileReadersAndBatch()
    {
        const QString dir = m_dir.path() + QLatin1Char('/'), fifo = dir + "pipe.doc";
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QStringList paths{
            writeFile(dir + "seven.doc", docFile(summaryStream(3, le(7)), pageSetup(11906, 16838))),
            fixture("a3-landscape-1-page.doc"), // no page count
            writeFile(dir + "no-size.doc", docFile(summaryStream(3, le(5)), {})),
            writeFile(dir + "negative.doc",
                      docFile(summaryStream(3, le(quint32(-5))), pageSetup(12240, 15840))),
            writeFile(dir + "REPORT.DOC", "{\\rtf1 Just some text.}\n"),
            writeFile(dir + "web.doc", "<html><body>Saved by a web system</body></html>"),
            writeFile(dir + "notes.doc", "Just some text.\n"),
            fifo,
            dir + "absent.doc",
            writeFile(dir + "last.doc", "")};
        QStringList read;
        for (const QString &path : paths)
            read << QStringLiteral("%1 %2").arg(oleSummaryPageCount(path)).arg(wordFibPaperSize(path));
        QCOMPARE(read,
                 QStringList({"7 A4", "0 A3 横向", "5 ", "0 Letter", "0 ", "0 ", "0 ", "0 ", "0 ", "0 "}));

        QList<QStringList> calls;
        const QList<WordPageInfo> answers{{9, "B5"}, {9, "Letter"}, {-4, "A5"}, {6, ""}};
        const auto automation = [&](const QStringList &asked) { return calls.append(asked), answers; };
        const QList<DocumentInfo> results = analyzeLegacyDocumentsWith(paths, automation);
        QCOMPARE(calls, QList<QStringList>({paths.mid(1, 5)}));
        QCOMPARE(summaries(results),
                 QStringList({"seven.doc 7 A4", "a3-landscape-1-page.doc 9 A3 横向", "no-size.doc 5 Letter",
                              "negative.doc 0 Letter", "REPORT.DOC 6 ", "web.doc 0 ", "notes.doc 0 ",
                              "pipe.doc 0 ", "absent.doc 0 ", "last.doc 0 "}));
        QCOMPARE(results.at(4).fileType, QStringLiteral("DOC"));
        QCOMPARE(results.at(1).filePath, fixture("a3-landscape-1-page.doc"));
        QCOMPARE(analyzeLegacyDocumentsWith({}, automation).size() + calls.size(), 1);
    }

    // Inputs are staged under unique names, passed as separate arguments, and answered in order; a
    // file the suite could not convert, or that is missing, gets an empty answer, and so does every
    // file without a usable program or when the run outlives its time, which grows with the batch.
    void renderer()
    {
        QTemporaryDir dir;
        const QString suite = writeFile(dir.filePath("fake-soffice"), fakeSuite);
        QVERIFY(QFile::setPermissions(suite, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QStringList paths{writeFile(dir.filePath("a/report.doc"), "pages=2 size=A4"),
                                writeFile(dir.filePath("b/report.doc"), "pages=5 size=Letter"),
                                writeFile(dir.filePath("b/report.DOC"), "pages=8 size=B5"),
                                writeFile(dir.filePath("O'Brien $(touch pwned) `x`.doc"), "pages=4 size=A3"),
                                writeFile(dir.filePath("-rf.doc"), "pages=1 size=A5"),
                                writeFile(dir.filePath("two.doc"), "fail"),
                                dir.filePath("missing.doc")};
        QCOMPARE(render(paths, suite), QStringList({"2 A4", "5 Letter", "8 B5", "4 A3", "1 A5", "0 ", "0 "}));
        QVERIFY(!QFile::exists(dir.filePath("pwned")));
        QFile log(dir.filePath("arguments.txt"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList arguments =
            QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(arguments.mid(1, 5),
                 QStringList({"--headless", "--norestore", "--convert-to", "pdf", "--outdir"}));
        const QString work = QFileInfo(arguments.at(6)).path();
        QVERIFY(
            arguments.at(0).startsWith("-env:UserInstallation=file://" + QUrl::fromLocalFile(work).path()));
        QCOMPARE(arguments.size(), 7 + 6);
        for (const QString &input : arguments.mid(7))
            QVERIFY2(QFileInfo(input).path() == work + "/in" && !input.contains('\''), qPrintable(input));
        QVERIFY2(!QFileInfo::exists(work), "the private folder is removed afterwards");

        QVERIFY(log.remove());
        for (const QString &program : {QString(), dir.filePath("absent"), paths.at(0)})
            QCOMPARE(render(paths.mid(0, 2), program, 100), QStringList({"0 ", "0 "}));
        QVERIFY(render({}, suite).isEmpty());
        QVERIFY2(!log.exists(), "an empty batch starts nothing");

        // The output of a killed run is discarded, and the whole process tree is gone.
        QCOMPARE(render({paths.at(0), writeFile(dir.filePath("stuck.doc"), "hang")}, suite, 500),
                 QStringList({"0 ", "0 "}));
        QFile pid(dir.filePath("child.pid"));
        QVERIFY(pid.open(QIODevice::ReadOnly));
        const QString stat = QStringLiteral("/proc/%1/stat").arg(pid.readAll().trimmed().toLongLong());
        const auto goneOrZombie = [&stat] {
            QFile file(stat);
            return !file.open(QIODevice::ReadOnly) || file.readAll().split(')').last().startsWith(" Z");
        };
        QTRY_VERIFY_WITH_TIMEOUT(goneOrZombie(), 5000);
        // The fake run takes 1.5 s: too long for one file at 1 s each, fine for three.
        const QString slow = writeFile(dir.filePath("slow.doc"), "slow pages=2 size=A4");
        QCOMPARE(render({slow}, suite, 1000), QStringList({"0 "}));
        QCOMPARE(render({slow, paths.at(0), paths.at(1)}, suite, 1000),
                 QStringList({"2 A4", "2 A4", "5 Letter"}));
    }
};

// A GUI application object so that the "-platform offscreen" the test runner passes is understood.
QTEST_MAIN(TestLegacyDocAnalysis)
#include "tst_legacy_doc_analysis.moc"
