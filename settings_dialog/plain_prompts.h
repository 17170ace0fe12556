#pragma once

#include <QString>

class QWidget;

// Message boxes whose text may carry a name the user typed: shown as plain text, never as markup.
void showPlainInformation(QWidget *parent, const QString &title, const QString &text);
// True only when the user answered Yes.
bool askPlainQuestion(QWidget *parent, const QString &title, const QString &text);
// Asks for a name; the answer trimmed, or an empty text when the user cancelled.
QString askName(QWidget *parent, const QString &title, const QString &label, const QString &initialText);
