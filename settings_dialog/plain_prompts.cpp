#include "settings_dialog/plain_prompts.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton runPlainBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void showPlainInformation(QWidget *parent, const QString &title, const QString &text)
{
    runPlainBox(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

bool askPlainQuestion(QWidget *parent, const QString &title, const QString &text)
{
    return runPlainBox(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString askName(QWidget *parent, const QString &title, const QString &label, const QString &initialText)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initialText, &ok);
    return ok ? answer.trimmed() : QString();
}
