#pragma once

#include <QDoubleSpinBox>

// The decimal editor of every price and ratio in the settings dialog. The first click selects the
// whole value so that typing replaces it, and the mouse wheel scrolls the dialog instead of
// silently changing a price the pointer happens to pass over.
class PriceSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};

// Range 0 to 9999, 2 decimals, step 0.01, no buttons, keyboard tracking off, right aligned,
// fixed width 108. Callers change range, decimals or suffix afterwards where an editor differs.
PriceSpinBox *createPriceSpinBox(QWidget *parent, double value);
