#include "app/eliding_combo_box.h"

#include <QHelpEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

int ElidingComboBox::textRoom(const QStyleOptionComboBox &option) const
{
    // The style draws the label one pixel in from each side of the edit field.
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width() -
           2;
}

bool ElidingComboBox::isTextElided() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return fontMetrics().horizontalAdvance(option.currentText) > textRoom(option);
}

void ElidingComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, textRoom(option));
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool ElidingComboBox::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && isTextElided()) {
        const QString tip =
            toolTip().isEmpty() ? currentText() : currentText() + QLatin1Char('\n') + toolTip();
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip, this);
        return true;
    }
    return QComboBox::event(event);
}
