#include "analysis/page_detail_analysis.h"

PageDetails analyzePageDetails(const DocumentInfo &info, const std::atomic_bool *cancelled)
{
    // Not measured yet: callers treat empty details as "priced as one size and colour".
    Q_UNUSED(info);
    Q_UNUSED(cancelled);
    return {};
}
