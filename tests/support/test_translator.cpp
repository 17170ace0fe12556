#include "support/test_translator.h"

#include <QCoreApplication>

TestTranslator::TestTranslator(const QHash<QString, QString> &translations) : m_translations(translations)
{
    QCoreApplication::installTranslator(this);
}

TestTranslator::~TestTranslator()
{
    QCoreApplication::removeTranslator(this);
}

QString TestTranslator::translate(const char *context, const char *sourceText, const char *, int) const
{
    return m_translations.value(QString::fromUtf8(context) + QLatin1Char('/') +
                                QString::fromUtf8(sourceText));
}
