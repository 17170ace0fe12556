#pragma once

#include <QHash>
#include <QTranslator>

// Translates the given texts while it lives, without a compiled catalogue. Keys are
// "context/source text", as the code passes them to QCoreApplication::translate.
class TestTranslator : public QTranslator
{
public:
    explicit TestTranslator(const QHash<QString, QString> &translations);
    ~TestTranslator() override;

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

private:
    QHash<QString, QString> m_translations;
};
