#pragma once

#include <QString>

#include <memory>

class QTranslator;

// While it lives, labels translate into the language a quote was issued in, whatever language the
// program runs in now; an empty code changes nothing.
class QuoteLanguage
{
public:
    explicit QuoteLanguage(const QString &code);
    ~QuoteLanguage();
    QuoteLanguage(const QuoteLanguage &) = delete;
    QuoteLanguage &operator=(const QuoteLanguage &) = delete;

private:
    std::unique_ptr<QTranslator> translator;
};
