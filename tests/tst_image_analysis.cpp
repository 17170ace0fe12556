#include "analysis/document_info.h"
#include "analysis/image_analyzer.h"
#include "analysis/image_probe.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr int dpm300 = 11811;
constexpr int dpm150 = 5906;

DocumentInfo analyze(const QString &path)
{
    DocumentInfo info = documentInfoFor(path);
    analyzeImageInto(info);
    return info;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QImage blankImage(int width, int height, int dotsPerMeter, QImage::Format format = QImage::Format_Grayscale8)
{
    QImage image(width, height, format);
    image.fill(Qt::white);
    if (dotsPerMeter > 0) {
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
    }
    return image;
}

QImage noiseImage(int width, int height, int dotsPerMeter = 3780)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            line[x] = qRgb(state >> 24, state >> 16 & 0xFF, state >> 8 & 0xFF);
        }
    }
    return image;
}

bool writeImage(const QImage &image, const QString &path, const QByteArray &format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    return writer.write(image);
}

// Writes path as source (by default path itself) changed by edit, which may refuse by returning false.
template <typename Edit> bool editFile(const QString &path, Edit edit, const QString &source = QString())
{
    QByteArray bytes = readAll(source.isEmpty() ? path : source);
    return !bytes.isEmpty() && edit(bytes) && writeAll(path, bytes);
}

// Qt always stores a JFIF density in dots per inch; unit 0 turns it into a mere aspect ratio.
bool clearJfifDensityUnit(QByteArray &bytes)
{
    const int jfif = bytes.indexOf(QByteArrayLiteral("JFIF\0"));
    if (jfif < 0 || bytes.size() < jfif + 12)
        return false;
    bytes[jfif + 7] = 0;
    return true;
}

// Qt writes bottom-up bitmaps; a negative height stores the same rows top-down.
bool makeBmpTopDown(QByteArray &bytes)
{
    if (bytes.size() < 26)
        return false;
    auto *height = reinterpret_cast<uchar *>(bytes.data() + 22);
    qToLittleEndian<qint32>(-qFromLittleEndian<qint32>(height), height);
    return true;
}

// OS/2 1.x bitmap: 12-byte core header with 16-bit sides and no resolution.
QByteArray os2CoreBitmap(quint16 width, quint16 height)
{
    const int pixelBytes = (width * 3 + 3) / 4 * 4 * height;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(26 + pixelBytes) << quint32(0) << quint32(26) << quint32(12)
        << width << height << quint16(1) << quint16(24);
    return bytes + QByteArray(pixelBytes, '\x7f');
}

// Points the first directory of a little-endian TIFF at itself as its successor.
bool makeTiffDirectoryLoop(QByteArray &bytes)
{
    auto *d = reinterpret_cast<uchar *>(bytes.data());
    if (!bytes.startsWith("II*"))
        return false;
    const quint32 first = qFromLittleEndian<quint32>(d + 4);
    const quint32 next = first + 2 + 12 * quint32(qFromLittleEndian<quint16>(d + first));
    if (quint32(bytes.size()) < next + 4)
        return false;
    qToLittleEndian<quint32>(first, d + next);
    return true;
}

// Puts restart markers into the entropy-coded data of the first scan, where a decoder resyncs on
// them; they must not be taken for the end of the scan.
bool insertRestartMarkers(QByteArray &bytes)
{
    const int scan = bytes.indexOf("\xFF\xDA");
    if (scan < 0 || bytes.size() < scan + 200)
        return false;
    int at = scan + 2 + (uchar(bytes[scan + 2]) << 8 | uchar(bytes[scan + 3])) + 16;
    for (int marker = 0xD0; marker <= 0xD7; ++marker, at += 12) {
        while (uchar(bytes[at - 1]) == 0xFF)
            ++at;
        bytes.insert(at, QByteArray("\xFF") + char(marker));
    }
    return true;
}

auto keepFraction(double fraction)
{
    return [fraction](QByteArray &bytes) {
        bytes.truncate(qsizetype(bytes.size() * fraction));
        return true;
    };
}

auto chopBytes(int count)
{
    return [count](QByteArray &bytes) {
        bytes.chop(count);
        return true;
    };
}

bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

class ImageAnalysisTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void analyzesImages_data();
    void analyzesImages();
    void agreesWithQtReader_data();
    void agreesWithQtReader();
    void unreadableGivesNoPages_data();
    void unreadableGivesNoPages();
    void a0ScanIsOnePageA0_data();
    void a0ScanIsOnePageA0();

private:
    QString fixture(const QString &name) const { return m_dir.filePath(name); }
    void requireFixture(const QString &name);

    QTemporaryDir m_dir;
    QString m_convert;
    QString m_exiftool;
};

void ImageAnalysisTest::requireFixture(const QString &name)
{
    if (QFile::exists(fixture(name)))
        return;
    QVERIFY2(!m_convert.isEmpty() && !m_exiftool.isEmpty(), qPrintable(name + " was not generated"));
}

void ImageAnalysisTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    m_exiftool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));

    QVERIFY(writeImage(blankImage(2480, 3508, dpm300), fixture("a4-300dpi.png"), "png"));
    QVERIFY(writeImage(blankImage(2480, 3508, dpm300), fixture("a4-300dpi.jpg"), "jpeg"));
    QVERIFY(writeImage(blankImage(1650, 1275, dpm150), fixture("letter-150dpi-landscape.png"), "png"));
    QVERIFY(writeImage(blankImage(1240, 1754, dpm150), fixture("a4-150dpi-png-named.jpg"), "png"));
    QVERIFY(writeImage(blankImage(874, 1240, dpm150), fixture("a5-150dpi.tif"), "tiff"));
    QVERIFY(
        writeImage(blankImage(1240, 1754, dpm150, QImage::Format_RGB32), fixture("a4-150dpi.bmp"), "bmp"));
    QVERIFY(writeImage(blankImage(1754, 1240, dpm150, QImage::Format_RGB32),
                       fixture("a4-landscape-top-down.bmp"), "bmp"));
    QVERIFY(editFile(fixture("a4-landscape-top-down.bmp"), makeBmpTopDown));
    QVERIFY(writeAll(fixture("os2-core-wide.bmp"), os2CoreBitmap(40, 30)));
    QVERIFY(writeImage(blankImage(300, 200, 0), fixture("no-density-wide.jpg"), "jpeg"));
    QVERIFY(editFile(fixture("no-density-wide.jpg"), clearJfifDensityUnit));
    QVERIFY(writeImage(noiseImage(300, 200), fixture("lossy-wide.webp"), "webp", 80));
    QVERIFY(writeImage(noiseImage(200, 300), fixture("lossless-tall.webp"), "webp", 100));
    QImage translucent = noiseImage(300, 200).convertToFormat(QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(0, 0, 0, 0));
    QVERIFY(writeImage(translucent, fixture("extended-wide.webp"), "webp", 80));
    QVERIFY(writeImage(blankImage(874, 1240, dpm150), fixture("tiff-directory-loop.tif"), "tiff"));
    QVERIFY(editFile(fixture("tiff-directory-loop.tif"), makeTiffDirectoryLoop));
    QVERIFY(writeImage(noiseImage(400, 300), fixture("truncated-in-scan.jpg"), "jpeg", 90));
    QVERIFY(editFile(fixture("truncated-in-scan.jpg"), keepFraction(0.6)));
    QVERIFY(writeImage(noiseImage(400, 300), fixture("truncated.png"), "png"));
    QVERIFY(editFile(fixture("truncated.png"), keepFraction(0.6)));
    QVERIFY(writeAll(fixture("empty.jpg"), QByteArray()));
    QImageWriter progressive(fixture("progressive-a5.jpg"), "jpeg");
    progressive.setProgressiveScanWrite(true);
    QVERIFY(progressive.write(noiseImage(874, 1240, dpm150)));
    QVERIFY(writeImage(noiseImage(200, 300), fixture("restart-markers.jpg"), "jpeg"));
    QVERIFY(editFile(fixture("restart-markers.jpg"), clearJfifDensityUnit));
    QVERIFY(editFile(fixture("restart-markers.jpg"), insertRestartMarkers));
    // Cameras append data after the picture (a preview, a video clip).
    const auto appendData = [](QByteArray &bytes) { return !bytes.append(4096, '\x5a').isEmpty(); };
    QVERIFY(editFile(fixture("trailing-data.jpg"), appendData, fixture("no-density-wide.jpg")));

    if (!m_convert.isEmpty()) {
        QVERIFY(runTool(m_convert,
                        {"-size", "20x30", "xc:red", "xc:green", "xc:blue", fixture("three-pages.tif")}));
        QVERIFY(runTool(m_convert, {"-size", "30x20", "xc:red", "xc:green", "xc:blue", "xc:white", "-loop",
                                    "0", fixture("four-frames.gif")}));
        QVERIFY(runTool(m_convert, {"-size", "30x20", "xc:red", "xc:green", "xc:blue", "-loop", "0",
                                    fixture("animated.webp")}));
        QVERIFY(editFile(fixture("gif-without-trailer.gif"), chopBytes(1), fixture("four-frames.gif")));
        QVERIFY(editFile(fixture("gif-cut-in-last-frame.gif"), chopBytes(3), fixture("four-frames.gif")));
        QVERIFY(runTool(m_convert,
                        {"-size", "1240x874", "xc:white", "-density", "59.06", "-units",
                         "PixelsPerCentimeter", "-endian", "MSB", fixture("a5-landscape-big-endian.tif")}));
        QVERIFY(runTool(m_convert, {"-size", "874x1240", "xc:white", "xc:black", "-density", "150", "-units",
                                    "PixelsPerInch", "TIFF64:" + fixture("bigtiff-two-pages.tif")}));
    }
    const auto orient = [this](const char *source, const char *target, int orientation) {
        return QFile::copy(fixture(source), fixture(target)) &&
               runTool(m_exiftool, {"-q", "-overwrite_original", "-n",
                                    QStringLiteral("-Orientation=%1").arg(orientation), fixture(target)});
    };
    if (!m_exiftool.isEmpty()) {
        QVERIFY(orient("a4-300dpi.jpg", "a4-300dpi-orientation6.jpg", 6));
        QVERIFY(orient("a5-150dpi.tif", "a5-150dpi-orientation8.tif", 8));
        QVERIFY(orient("a4-300dpi.jpg", "a4-300dpi-orientation3.jpg", 3));
    }
}

void ImageAnalysisTest::analyzesImages_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("paperSize");

    const QString a4Landscape = QStringLiteral("A4 横向");
    QTest::newRow("A4 at 300 dpi in PNG") << "a4-300dpi.png" << 1 << "A4";
    QTest::newRow("EXIF orientation 6 turns the page") << "a4-300dpi-orientation6.jpg" << 1 << a4Landscape;
    QTest::newRow("EXIF orientation 3 keeps the sides") << "a4-300dpi-orientation3.jpg" << 1 << "A4";
    QTest::newRow("TIFF orientation 8 turns the page") << "a5-150dpi-orientation8.tif" << 1 << "A5 横向";
    QTest::newRow("PNG pHYs in metres") << "letter-150dpi-landscape.png" << 1 << "Letter 横向";
    QTest::newRow("PNG with a .jpg suffix") << "a4-150dpi-png-named.jpg" << 1 << "A4";
    QTest::newRow("TIFF resolution in inches") << "a5-150dpi.tif" << 1 << "A5";
    QTest::newRow("TIFF directory loop counts once") << "tiff-directory-loop.tif" << 1 << "A5";
    QTest::newRow("three-page TIFF") << "three-pages.tif" << 3 << "A4";
    QTest::newRow("big-endian TIFF in centimetres") << "a5-landscape-big-endian.tif" << 1 << "A5 横向";
    QTest::newRow("BigTIFF") << "bigtiff-two-pages.tif" << 2 << "A5";
    QTest::newRow("GIF without trailer") << "gif-without-trailer.gif" << 4 << a4Landscape;
    QTest::newRow("GIF counts complete frames only") << "gif-cut-in-last-frame.gif" << 3 << a4Landscape;
    QTest::newRow("progressive JPEG") << "progressive-a5.jpg" << 1 << "A5";
    QTest::newRow("restart markers inside a scan") << "restart-markers.jpg" << 1 << "A4";
    QTest::newRow("data after the JPEG end is ignored") << "trailing-data.jpg" << 1 << a4Landscape;
    QTest::newRow("four-frame GIF, no resolution, wide") << "four-frames.gif" << 4 << a4Landscape;
    QTest::newRow("BMP pixels per metre") << "a4-150dpi.bmp" << 1 << "A4";
    QTest::newRow("top-down BMP") << "a4-landscape-top-down.bmp" << 1 << a4Landscape;
    QTest::newRow("OS/2 core BMP, wide") << "os2-core-wide.bmp" << 1 << a4Landscape;
    QTest::newRow("JPEG density unit 0, wide") << "no-density-wide.jpg" << 1 << a4Landscape;
    QTest::newRow("lossy WebP, wide") << "lossy-wide.webp" << 1 << a4Landscape;
    QTest::newRow("lossless WebP, tall") << "lossless-tall.webp" << 1 << "A4";
    QTest::newRow("extended WebP with alpha") << "extended-wide.webp" << 1 << a4Landscape;
    QTest::newRow("animated WebP counts frames") << "animated.webp" << 3 << a4Landscape;
    QTest::newRow("JPEG cut in its scan data") << "truncated-in-scan.jpg" << 0 << "";
    QTest::newRow("PNG cut before IEND") << "truncated.png" << 0 << "";
    QTest::newRow("empty file") << "empty.jpg" << 0 << "";
}

void ImageAnalysisTest::analyzesImages()
{
    QFETCH(QString, file);
    QFETCH(int, pages);
    QFETCH(QString, paperSize);
    requireFixture(file);
    if (!QFile::exists(fixture(file)))
        QSKIP("needs ImageMagick convert and exiftool");

    const DocumentInfo info = analyze(fixture(file));
    QCOMPARE(info.pageCount, pages);
    QCOMPARE(info.paperSize, paperSize);
}

void ImageAnalysisTest::agreesWithQtReader_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"letter-150dpi-landscape.png", "a4-150dpi-png-named.jpg", "a5-150dpi.tif",
                             "a5-150dpi-orientation8.tif", "a4-300dpi-orientation6.jpg", "three-pages.tif",
                             "a5-landscape-big-endian.tif", "bigtiff-two-pages.tif", "four-frames.gif",
                             "progressive-a5.jpg", "trailing-data.jpg", "a4-150dpi.bmp",
                             "a4-landscape-top-down.bmp", "os2-core-wide.bmp", "no-density-wide.jpg",
                             "lossy-wide.webp", "lossless-tall.webp", "extended-wide.webp", "animated.webp"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

// Where Qt decodes the file, the header readers must see the same picture.
void ImageAnalysisTest::agreesWithQtReader()
{
    QFETCH(QString, file);
    requireFixture(file);
    if (!QFile::exists(fixture(file)))
        QSKIP("needs ImageMagick convert and exiftool");

    QImageReader reader(fixture(file));
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    const ImageProbe probe = probeImageFile(fixture(file));
    QVERIFY(probe.readable);
    QCOMPARE(QSize(int(probe.width), int(probe.height)), image.size());
    // Asked after read(), Qt's TIFF handler counts one page only, so count with a fresh reader.
    QCOMPARE(probe.frameCount, qMax(QImageReader(fixture(file)).imageCount(), 1));
    if (probe.dotsPerMeterX > 0) {
        QVERIFY(qAbs(probe.dotsPerMeterX - image.dotsPerMeterX()) <= 1);
        QVERIFY(qAbs(probe.dotsPerMeterY - image.dotsPerMeterY()) <= 1);
    }
}

void ImageAnalysisTest::unreadableGivesNoPages_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(ORVANTA_TEST_DATA_DIR "/images"));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 8);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
    QDir().mkpath(fixture("folder.png"));
    QTest::newRow("vanished file") << fixture("no-such-file.png");
    QTest::newRow("folder") << m_dir.path();
    QTest::newRow("folder named like an image") << fixture("folder.png");
    QTest::newRow("empty path") << QString();
}

void ImageAnalysisTest::unreadableGivesNoPages()
{
    QFETCH(QString, path);
    DocumentInfo info;
    info.filePath = path;
    analyzeImageInto(info);
    QCOMPARE(info.pageCount, 0);
    QCOMPARE(info.paperSize, QString());
}

void ImageAnalysisTest::a0ScanIsOnePageA0_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QString>("file");
    QTest::newRow("JPEG") << QByteArray("jpeg") << "a0-300dpi.jpg";
    QTest::newRow("TIFF") << QByteArray("tiff") << "a0-300dpi.tif";
}

// 9933 x 14043 px is beyond what Qt decodes by default; a one-bit image keeps the fixture cheap.
void ImageAnalysisTest::a0ScanIsOnePageA0()
{
    QFETCH(QByteArray, format);
    QFETCH(QString, file);
    QImage scan(9933, 14043, QImage::Format_Mono);
    scan.fill(1);
    scan.setDotsPerMeterX(dpm300);
    scan.setDotsPerMeterY(dpm300);
    QImageWriter writer(fixture(file), format);
    writer.setCompression(1);
    QVERIFY2(writer.write(scan), qPrintable(writer.errorString()));

    const DocumentInfo info = analyze(fixture(file));
    QCOMPARE(info.pageCount, 1);
    QCOMPARE(info.paperSize, QStringLiteral("A0"));
}

QTEST_MAIN(ImageAnalysisTest)
#include "tst_image_analysis.moc"
