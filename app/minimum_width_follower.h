#pragma once

#include <QObject>

class QWidget;

// Keeps a window at least as wide as one of its rows needs. Some languages' labels and choices
// need more room than the window's usual minimum; the window then refuses to shrink further
// rather than letting the row's widgets overlap. Lives as a child of the watched row; the row
// should be polished first, so that its fonts and the stylesheet's padding are known.
class MinimumWidthFollower : public QObject
{
public:
    MinimumWidthFollower(QWidget *row, QWidget *window, int usualMinimum);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QWidget *m_row;
    QWidget *m_window;
    int m_usualMinimum;
};
