#pragma once

#include "analysis/document_info.h"
#include "analysis/page_details.h"

#include <atomic>

// An analysed picture's pages at the size the analyser found, each frame (a TIFF's pages, an
// animation's frames) in colour or not as its own scaled-down decode shows. Pages beyond the last
// frame that decodes take that frame's colour. Empty when the picture has no page count, its
// first frame cannot be decoded, or once cancelled becomes true.
PageDetails imagePageDetails(const DocumentInfo &info, const std::atomic_bool *cancelled = nullptr);
