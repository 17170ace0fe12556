#include "cli/json_lines.h"

#include "analysis/document_info.h"

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

QByteArray documentJsonLine(const DocumentInfo &info)
{
    return "{\"filePath\":" + jsonString(info.filePath) + ",\"fileName\":" + jsonString(info.fileName) +
           ",\"fileType\":" + jsonString(info.fileType) +
           ",\"pageCount\":" + QByteArray::number(info.pageCount) +
           ",\"paperSize\":" + jsonString(info.paperSize) + "}\n";
}
