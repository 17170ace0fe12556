#pragma once

#include <QtGlobal>

#include <cstddef>

class QFile;
class QString;

// What the headers of an image file say, read without decoding any pixel. Width, height and the
// resolutions are as the picture is displayed: an EXIF orientation that turns it by 90 degrees is
// already applied. When `readable` is false every other field is zero.
struct ImageProbe
{
    bool readable = false;
    quint32 width = 0;
    quint32 height = 0;
    int frameCount = 0;
    // Zero when the file stores no resolution.
    double dotsPerMeterX = 0;
    double dotsPerMeterY = 0;
};

// Recognises the format by its magic bytes (JPEG, PNG, GIF, TIFF, BMP, WebP) and checks that the
// image is complete: a truncated or implausible file is not readable.
ImageProbe probeImageData(const uchar *data, std::size_t size);

// The same for a file, read through bounded reads so that a file that shrinks or vanishes while it
// is read is merely not readable. Where the headers give no answer, or cannot be trusted without
// decoding (BMP), the toolkit's image reader decides: a picture it decodes is readable. A missing
// file, a folder or an empty file is not readable.
ImageProbe probeImageFile(const QString &path);
// The same for a file already open, of the size it had when it was opened.
ImageProbe probeOpenImageFile(QFile &file, qint64 size);
