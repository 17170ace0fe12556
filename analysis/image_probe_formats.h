#pragma once

#include "analysis/image_probe_bytes.h"

// One format reader's findings before the orientation and plausibility checks shared by all
// formats. `complete` is false for anything that is not a whole, well-formed image.
struct RawImageHeader
{
    bool complete = false;
    quint64 width = 0;
    quint64 height = 0;
    int frameCount = 1;
    double dotsPerMeterX = 0;
    double dotsPerMeterY = 0;
    int orientation = 1; // TIFF/EXIF orientation, 1 to 8
};

bool looksLikeJpeg(const ByteView &data);
bool looksLikePng(const ByteView &data);
bool looksLikeGif(const ByteView &data);
bool looksLikeTiff(const ByteView &data);
bool looksLikeBmp(const ByteView &data);
bool looksLikeWebp(const ByteView &data);

RawImageHeader probeJpeg(const ByteView &data);
RawImageHeader probePng(const ByteView &data);
RawImageHeader probeGif(const ByteView &data);
RawImageHeader probeTiff(const ByteView &data);
RawImageHeader probeBmp(const ByteView &data);
RawImageHeader probeWebp(const ByteView &data);
// A TIFF too large to hold in memory, read through bounded reads.
class FileBytes;
RawImageHeader probeTiffFile(const FileBytes &data);

// Orientation tag of the first directory of a TIFF structure (the body of an EXIF block); 1 when
// absent or invalid.
int tiffOrientation(const ByteView &tiff);

constexpr double metresPerInch = 0.0254;
