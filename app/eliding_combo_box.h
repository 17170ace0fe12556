#pragma once

#include <QComboBox>

class QStyleOptionComboBox;

// A combo box that may be narrower than its current text: the text is cut with an ellipsis
// instead of being clipped, and the tool tip then starts with the full text.
class ElidingComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    bool isTextElided() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    int textRoom(const QStyleOptionComboBox &option) const;
};
