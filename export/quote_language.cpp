#include "export/quote_language.h"

#include "storage/ui_language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

// The source texts are Chinese: answering every lookup with its source hides the catalogue of
// the language the program runs in.
class SourceTextTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

QuoteLanguage::QuoteLanguage(const QString &code)
{
    if (code.isEmpty())
        return;
    const QString resource = translationResourceFor(code);
    if (resource.isEmpty()) {
        translator = std::make_unique<SourceTextTranslator>();
    } else {
        translator = std::make_unique<QTranslator>();
        if (!translator->load(resource)) {
            translator.reset();
            return;
        }
    }
    QCoreApplication::installTranslator(translator.get());
}

QuoteLanguage::~QuoteLanguage()
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
}
