#include "analysis/document_info.h"

#include <QFileInfo>

DocumentInfo documentInfoFor(const QString &path)
{
    const QFileInfo info(path);
    DocumentInfo result;
    result.filePath = info.absoluteFilePath();
    result.fileName = info.fileName();
    result.fileType = info.suffix().toUpper();
    return result;
}
