// The wait cursor over a window while the program blocks on something slow
// (a command, the scheduler, the root password check).
#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>

class BusyCursor
{
public:
    // Shows the wait cursor over the window of `widget` (nothing for null)
    // until the object ends; the window's own cursor comes back then. A box
    // opened meanwhile is a window of its own and keeps the usual cursor.
    explicit BusyCursor(QWidget *widget)
        : m_window(widget ? widget->window() : nullptr)
    {
        if (!m_window)
            return;
        m_hadCursor = m_window->testAttribute(Qt::WA_SetCursor);
        m_cursor = m_window->cursor();
        m_window->setCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (!m_window)
            return;
        if (m_hadCursor)
            m_window->setCursor(m_cursor);
        else
            m_window->unsetCursor();
    }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    QPointer<QWidget> m_window;
    bool m_hadCursor = false;
    QCursor m_cursor;
};
