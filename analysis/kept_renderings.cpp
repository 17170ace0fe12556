#include "analysis/kept_renderings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QTemporaryDir>

namespace {

struct Kept
{
    QString pdf;
    QDateTime modified;
    qint64 size = 0;
};

struct Store
{
    QMutex mutex;
    QTemporaryDir folder; // removed, with what is left in it, when the program ends
    QHash<QString, Kept> kept;
    int next = 0;
};

Store &store()
{
    static Store instance;
    return instance;
}

} // namespace

void keepRenderedPdf(const QString &source, const QString &pdf)
{
    Store &s = store();
    const QMutexLocker lock(&s.mutex);
    if (!s.folder.isValid())
        return;
    const QString copy = s.folder.filePath(QString::number(s.next++) + QStringLiteral(".pdf"));
    if (!QFile::copy(pdf, copy))
        return;
    const QFileInfo info(source);
    const Kept previous = s.kept.value(source);
    if (!previous.pdf.isEmpty())
        QFile::remove(previous.pdf);
    s.kept.insert(source, {copy, info.lastModified(), info.size()});
}

QString takeRenderedPdf(const QString &source)
{
    Store &s = store();
    const QMutexLocker lock(&s.mutex);
    const Kept kept = s.kept.take(source);
    const QFileInfo info(source);
    if (!kept.pdf.isEmpty() && (info.lastModified() != kept.modified || info.size() != kept.size)) {
        QFile::remove(kept.pdf);
        return {};
    }
    return kept.pdf;
}
