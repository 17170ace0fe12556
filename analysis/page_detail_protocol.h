#pragma once

#include "analysis/document_info.h"
#include "analysis/page_details.h"

#include <QByteArray>

#include <optional>

// The page-detail helpers' protocol: one JSON object per line each way. A request names the
// document as the first pass found it; the answer carries the same id and the page groups.
struct PageDetailRequest
{
    quint64 id = 0;
    DocumentInfo info;
    PageSpan span; // the pages to measure
};

struct PageDetailAnswer
{
    quint64 id = 0;
    PageDetails details;
};

QByteArray pageDetailRequestLine(const PageDetailRequest &request);
std::optional<PageDetailRequest> parsePageDetailRequest(const QByteArray &line);
QByteArray pageDetailAnswerLine(const PageDetailAnswer &answer);
std::optional<PageDetailAnswer> parsePageDetailAnswer(const QByteArray &line);
