// Throughput of image analysis on camera photos and the cost of one A0 scan.
//
//   bench_image_analysis                      generate into a temporary folder and measure
//   bench_image_analysis generate DIR [N]     write N camera-like photos and the A0 scans to DIR
//   bench_image_analysis run DIR              measure on DIR/photos and DIR/a0-300dpi.{jpg,tif}
//   bench_image_analysis analyze FILE...      analyse files once (for /usr/bin/time -v)

#include "analysis/document_info.h"
#include "analysis/image_analyzer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtConcurrent>
#include <QtEndian>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int photoWidth = 6000;
constexpr int photoHeight = 4000;
constexpr int distinctPhotos = 4;
constexpr int a0Width = 9933;
constexpr int a0Height = 14043;
constexpr int dpm300 = 11811;

quint32 nextRandom(quint32 &state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 24;
}

// Smooth gradients with sensor-like noise: compresses to a size typical of a 24 MP camera.
QImage cameraLikePicture(quint32 seed)
{
    QImage image(photoWidth, photoHeight, QImage::Format_RGB32);
    quint32 state = seed;
    for (int y = 0; y < photoHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < photoWidth; ++x) {
            const int noise = int(nextRandom(state) % 25) - 12;
            const int r = std::clamp(x * 255 / photoWidth + noise, 0, 255);
            const int g = std::clamp(y * 255 / photoHeight + noise, 0, 255);
            const int b = std::clamp(int((x ^ y) & 0xFF) / 2 + 64 + noise, 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

QByteArray jpegBytes(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

// An EXIF block as cameras write it: IFD0 with the orientation, IFD1 pointing at a thumbnail,
// which is a complete JPEG of its own inside the segment.
QByteArray exifSegment(const QByteArray &thumbnail)
{
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    auto appendU16 = [&tiff](quint16 v) { tiff.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto appendU32 = [&](quint32 v) {
        appendU16(quint16(v & 0xFFFF));
        appendU16(quint16(v >> 16));
    };
    auto appendEntry = [&](quint16 tag, quint16 type, quint32 count, quint32 value) {
        appendU16(tag);
        appendU16(type);
        appendU32(count);
        appendU32(value);
    };
    const quint32 ifd1 = 8 + 2 + 12 + 4;
    appendU16(1);
    appendEntry(0x0112, 3, 1, 1); // orientation: normal
    appendU32(ifd1);
    const quint32 thumbnailOffset = ifd1 + 2 + 2 * 12 + 4;
    appendU16(2);
    appendEntry(0x0201, 4, 1, thumbnailOffset);
    appendEntry(0x0202, 4, 1, quint32(thumbnail.size()));
    appendU32(0);
    tiff.append(thumbnail);

    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((body.size() + 2) >> 8)).append(char((body.size() + 2) & 0xFF));
    return segment + body;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QImage a0Scan(bool noisy)
{
    QImage scan(a0Width, a0Height, QImage::Format_Grayscale8);
    quint32 state = 7;
    for (int y = 0; y < a0Height; ++y) {
        uchar *line = scan.scanLine(y);
        for (int x = 0; x < a0Width; ++x)
            line[x] = noisy ? uchar(230 + nextRandom(state) % 20) : 255;
    }
    scan.setDotsPerMeterX(dpm300);
    scan.setDotsPerMeterY(dpm300);
    return scan;
}

bool generate(const QString &dir, int count)
{
    QDir().mkpath(dir + "/photos");
    std::printf("generating %d camera-like %dx%d JPEGs in %s\n", count, photoWidth, photoHeight,
                qPrintable(dir));
    QList<QByteArray> photos;
    for (int i = 0; i < distinctPhotos; ++i) {
        const QImage picture = cameraLikePicture(quint32(1000 + i));
        const QByteArray jpeg = jpegBytes(picture, 92);
        const QByteArray exif = exifSegment(jpegBytes(picture.scaled(160, 120), 75));
        photos.append(jpeg.left(2) + exif + jpeg.mid(2)); // right after SOI
        std::printf("  photo %d: %.1f MB\n", i, photos.last().size() / 1e6);
    }
    for (int i = 0; i < count; ++i) {
        if (!writeFile(QStringLiteral("%1/photos/IMG_%2.JPG").arg(dir).arg(i, 4, 10, QLatin1Char('0')),
                       photos.at(i % distinctPhotos)))
            return false;
    }

    std::printf("generating the A0 scans (%dx%d at 300 dpi)\n", a0Width, a0Height);
    QImageWriter jpeg(dir + "/a0-300dpi.jpg", "jpeg");
    jpeg.setQuality(85);
    QImageWriter tiff(dir + "/a0-300dpi.tif", "tiff");
    tiff.setCompression(0);
    const bool written = jpeg.write(a0Scan(true)) && tiff.write(a0Scan(false));
    std::printf("  JPEG %.1f MB, TIFF %.1f MB\n", QFileInfo(dir + "/a0-300dpi.jpg").size() / 1e6,
                QFileInfo(dir + "/a0-300dpi.tif").size() / 1e6);
    return written;
}

DocumentInfo analyze(const QString &path)
{
    DocumentInfo info = documentInfoFor(path);
    analyzeImageInto(info);
    return info;
}

void run(const QString &dir)
{
    const QDir photoDir(dir + "/photos");
    QStringList paths;
    qint64 bytes = 0;
    for (const QFileInfo &file : photoDir.entryInfoList(QDir::Files, QDir::Name)) {
        paths.append(file.absoluteFilePath());
        bytes += file.size();
    }
    QThreadPool pool;
    pool.setMaxThreadCount(4);
    std::printf("%lld photos, %.0f MB, pool of %d threads\n", qlonglong(paths.size()), bytes / 1e6,
                pool.maxThreadCount());
    for (int round = 1; round <= 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        QList<QFuture<DocumentInfo>> futures;
        for (const QString &path : paths)
            futures.append(QtConcurrent::run(&pool, analyze, path));
        int detected = 0;
        for (QFuture<DocumentInfo> &future : futures)
            detected += future.result().pageCount == 1 ? 1 : 0;
        const double seconds = timer.nsecsElapsed() / 1e9;
        std::printf("  round %d: %.3f s, %.1f photos/s, %.0f MB/s, %d of %lld detected\n", round, seconds,
                    paths.size() / seconds, bytes / 1e6 / seconds, detected, qlonglong(paths.size()));
    }

    for (const QString &name : {QStringLiteral("a0-300dpi.jpg"), QStringLiteral("a0-300dpi.tif")}) {
        const QString path = dir + '/' + name;
        QElapsedTimer timer;
        timer.start();
        const int repeats = 5;
        DocumentInfo info;
        for (int i = 0; i < repeats; ++i)
            info = analyze(path);
        std::printf("%s: %d page(s) \"%s\", %.2f ms per analysis\n", qPrintable(name), info.pageCount,
                    qPrintable(info.paperSize), timer.nsecsElapsed() / 1e6 / repeats);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == "generate" && args.size() >= 2)
        return generate(args.at(1), args.value(2, "40").toInt()) ? 0 : 1;
    if (args.value(0) == "run" && args.size() == 2) {
        run(args.at(1));
        return 0;
    }
    if (args.value(0) == "analyze") {
        for (const QString &path : args.mid(1)) {
            const DocumentInfo info = analyze(path);
            std::printf("%s: %d page(s) \"%s\"\n", qPrintable(path), info.pageCount,
                        qPrintable(info.paperSize));
        }
        return 0;
    }
    if (!args.isEmpty()) {
        std::fprintf(stderr, "usage: bench_image_analysis [generate DIR [N] | run DIR | analyze FILE...]\n");
        return 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid() || !generate(dir.path(), 40))
        return 1;
    run(dir.path());
    return 0;
}
