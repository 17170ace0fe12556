#pragma once

struct DocumentInfo;

// Frame count and paper size of an image file, read from its headers without decoding pixels.
// An unreadable, truncated or implausible image leaves pageCount 0 and paperSize empty.
void analyzeImageInto(DocumentInfo &info);
