#pragma once

#include "analysis/document_info.h"
#include "analysis/page_details.h"

// An analysed picture's pages: all its pages (frames) at the size found by the analyser, in
// colour or not as its first frame, decoded scaled down. Empty when the picture has no page
// count or cannot be decoded.
PageDetails imagePageDetails(const DocumentInfo &info);
