#include "analysis/page_detail_protocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QByteArray line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> objectOf(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

// Ids are counters far below 2^53, so a JSON number carries them exactly.
quint64 idOf(const QJsonObject &object)
{
    const double id = object.value(QLatin1String("id")).toDouble(-1);
    return id >= 1 && id < 9e15 ? quint64(id) : 0;
}

} // namespace

QByteArray pageDetailRequestLine(const PageDetailRequest &request)
{
    const DocumentInfo &info = request.info;
    return line({{QLatin1String("id"), double(request.id)},
                 {QLatin1String("firstPage"), request.span.first},
                 {QLatin1String("pageLimit"), request.span.count},
                 {QLatin1String("filePath"), info.filePath},
                 {QLatin1String("fileName"), info.fileName},
                 {QLatin1String("fileType"), info.fileType},
                 {QLatin1String("pageCount"), info.pageCount},
                 {QLatin1String("paperSize"), info.paperSize},
                 {QLatin1String("countFromFallbackReader"), info.countFromFallbackReader}});
}

std::optional<PageDetailRequest> parsePageDetailRequest(const QByteArray &text)
{
    const std::optional<QJsonObject> object = objectOf(text);
    if (!object || idOf(*object) == 0)
        return std::nullopt;
    PageDetailRequest request;
    request.id = idOf(*object);
    // Without a span, the whole document.
    request.span.first = std::max(0, object->value(QLatin1String("firstPage")).toInt(0));
    request.span.count = object->value(QLatin1String("pageLimit")).toInt(-1);
    request.info.filePath = object->value(QLatin1String("filePath")).toString();
    request.info.fileName = object->value(QLatin1String("fileName")).toString();
    request.info.fileType = object->value(QLatin1String("fileType")).toString();
    request.info.pageCount = object->value(QLatin1String("pageCount")).toInt();
    request.info.paperSize = object->value(QLatin1String("paperSize")).toString();
    request.info.countFromFallbackReader = object->value(QLatin1String("countFromFallbackReader")).toBool();
    return request;
}

QByteArray pageDetailAnswerLine(const PageDetailAnswer &answer)
{
    QJsonArray groups;
    for (const PageGroup &group : answer.details.groups)
        groups.append(QJsonArray{group.paperSize, group.color, group.pages});
    return line({{QLatin1String("id"), double(answer.id)}, {QLatin1String("groups"), groups}});
}

std::optional<PageDetailAnswer> parsePageDetailAnswer(const QByteArray &text)
{
    const std::optional<QJsonObject> object = objectOf(text);
    if (!object || idOf(*object) == 0 || !object->value(QLatin1String("groups")).isArray())
        return std::nullopt;
    PageDetailAnswer answer;
    answer.id = idOf(*object);
    for (const QJsonValue &value : object->value(QLatin1String("groups")).toArray()) {
        const QJsonArray group = value.toArray();
        const int pages = group.at(2).toInt();
        if (group.size() != 3 || !group.at(0).isString() || !group.at(1).isBool() || pages < 1)
            return std::nullopt;
        answer.details.addPages(group.at(0).toString(), group.at(1).toBool(), pages);
    }
    return answer;
}
