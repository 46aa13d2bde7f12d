// SPDX-License-Identifier: MIT
#include "host/window/keyclickcompleter.h"

#include <QEvent>
#include <QWidget>

KeyClickCompleter::KeyClickCompleter(QWidget* page)
    : QObject(page)
    , m_page(page)
{
    page->installEventFilter(this);
}

bool KeyClickCompleter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_page)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_bAwaitingPaint = true;
        break;
    case QEvent::Paint:
        m_bAwaitingPaint = false;
        break;
    case QEvent::MouseButtonRelease:
        // The page is still pressed here: this repaint runs its test of the keys under the
        // band, which is the press point, before the release commits the result.
        if (m_bAwaitingPaint && m_page->isVisible())
            m_page->repaint();
        m_bAwaitingPaint = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
