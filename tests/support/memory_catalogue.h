#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One message of a translation catalogue built by a test.
struct CatalogueMessage
{
    QByteArray context;
    QByteArray sourceText; // UTF-8, as passed to QCoreApplication::translate
    QString translation;
};

// A compiled catalogue (.qm) for QTranslator::load(const uchar *, int), so that tests can
// install a translation without running lrelease.
QByteArray buildQmCatalogue(const QList<CatalogueMessage> &messages);
