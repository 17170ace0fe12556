#pragma once

#include "analysis/document_info.h"
#include "analysis/page_details.h"

#include <atomic>

// The page-detail pass for one analysed document: every page's paper size and whether it prints
// in colour. Runs on a pool thread after the page count is known; returns early (empty) once
// cancelled becomes true. Documents that give no page details (most Word files) return empty.
// A span other than the whole document measures those pages of a PDF; of any other document the
// span starting at page 0 measures all of it and every later span nothing.
PageDetails analyzePageDetails(const DocumentInfo &info, const std::atomic_bool *cancelled = nullptr,
                               PageSpan span = {});
