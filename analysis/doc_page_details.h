#pragma once

#include "analysis/document_info.h"
#include "analysis/page_details.h"

#include <atomic>

// A DOC whose page count only the office suite's rendering gave (the file stores none): the
// document is rendered again, into a private temporary folder, and the rendered PDF measured
// like any PDF before the folder is removed. Rendering again costs the suite's run a second time
// in the background, but keeps no temporary file alive between the two passes and works the same
// for a row added from any source. Empty for a DOC that stores its count, for every other file,
// without the suite, or once cancelled becomes true.
PageDetails renderedDocPageDetails(const DocumentInfo &info, const std::atomic_bool *cancelled = nullptr);
