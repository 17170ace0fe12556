#pragma once

#include <QLocale>
#include <QString>

// Interface language codes offered by the program: "zh_CN" (the source texts), "en_US", "ja_JP",
// "ko_KR", "de_DE", "fr_FR", "ru_RU".
QString languageCodeForLocale(const QLocale &locale);
// The stored "language" setting, or the code derived from the system locale when it is empty.
QString currentLanguageCode();
// The resource of a language's catalogue; empty for the source language.
QString translationResourceFor(const QString &code);
