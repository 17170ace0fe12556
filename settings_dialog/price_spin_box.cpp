#include "settings_dialog/price_spin_box.h"

#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>

void PriceSpinBox::mousePressEvent(QMouseEvent *event)
{
    const bool hadFocus = hasFocus();
    QDoubleSpinBox::mousePressEvent(event);
    if (!hadFocus)
        lineEdit()->selectAll();
}

void PriceSpinBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

void PriceSpinBox::focusInEvent(QFocusEvent *event)
{
    QDoubleSpinBox::focusInEvent(event);
    lineEdit()->selectAll();
    // A click gives the focus before the line edit sees the press, and that press places the
    // cursor; select again once the click was handled, so the first click still selects the value.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, lineEdit(), &QLineEdit::selectAll);
}

PriceSpinBox *createPriceSpinBox(QWidget *parent, double value)
{
    auto *editor = new PriceSpinBox(parent);
    editor->setRange(0, 9999);
    editor->setDecimals(2);
    editor->setSingleStep(0.01);
    editor->setButtonSymbols(QAbstractSpinBox::NoButtons);
    editor->setKeyboardTracking(false);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setValue(value);
    editor->setFixedWidth(108);
    // The wheel scrolls the dialog, so passing over an editor must not take the focus either.
    editor->setFocusPolicy(Qt::StrongFocus);
    return editor;
}
