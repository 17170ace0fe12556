#include "app/minimum_width_follower.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

#include <algorithm>

MinimumWidthFollower::MinimumWidthFollower(QWidget *row, QWidget *window, int usualMinimum)
    : QObject(row), m_row(row), m_window(window), m_usualMinimum(usualMinimum)
{
    row->installEventFilter(this);
    follow();
}

void MinimumWidthFollower::follow()
{
    if (m_row->layout())
        m_window->setMinimumWidth(std::max(m_usualMinimum, m_row->layout()->minimumSize().width()));
}

// The row's layout has already been redone when its layout request reaches the filter.
bool MinimumWidthFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_row && event->type() == QEvent::LayoutRequest)
        follow();
    return false;
}
