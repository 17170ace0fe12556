#include "cli/json_lines.h"

#include "analysis/document_info.h"
#include "analysis/page_details.h"
#include "analysis/word_render_batch.h"

QByteArray jsonString(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out.append('"');
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.append('\\').append(c);
        } else if (byte < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out.append("\\u00").append(hex[byte >> 4]).append(hex[byte & 0xF]);
        } else {
            out.append(c);
        }
    }
    out.append('"');
    return out;
}

namespace {

QByteArray documentFields(const DocumentInfo &info)
{
    return "{\"filePath\":" + jsonString(info.filePath) + ",\"fileName\":" + jsonString(info.fileName) +
           ",\"fileType\":" + jsonString(info.fileType) +
           ",\"pageCount\":" + QByteArray::number(info.pageCount) +
           ",\"paperSize\":" + jsonString(info.paperSize) +
           (info.pageCountEstimated ? ",\"pageCountEstimated\":true" : "");
}

} // namespace

QByteArray documentJsonLine(const DocumentInfo &info)
{
    return documentFields(info) + "}\n";
}

QByteArray documentJsonLine(const DocumentInfo &info, const PageDetails &details,
                            const WordRendering &rendering)
{
    const QString sizes = details.isEmpty() ? QString() : pagesPerSizeText(details);
    return documentFields(info) + ",\"colorPages\":" + QByteArray::number(details.colorPages()) +
           ",\"pageSizes\":" + jsonString(sizes) +
           ",\"renderedPages\":" + QByteArray::number(rendering.renderedPages) +
           ",\"pageCountSource\":" + jsonString(pageCountSourceName(rendering, false)) + "}\n";
}
