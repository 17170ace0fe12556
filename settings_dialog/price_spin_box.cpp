#include "settings_dialog/price_spin_box.h"

#include <QLineEdit>
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
    return editor;
}
