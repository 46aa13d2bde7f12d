// SPDX-License-Identifier: MIT
#include "host/window/docklayout.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>

namespace {
// Room left around the window for its frame and title bar, which it cannot measure
// before it is shown.
constexpr QSize kFrameAllowance{16, 40};
// As large as the window starts on a big screen: beyond it the page only gains empty
// margins and the virtual keyboard grows past any use.
constexpr QSize kLargestDefault{1400, 1000};
} // namespace

DockLayout::DockLayout(QMainWindow& window)
    : m_window(window)
{
}

void DockLayout::add(QDockWidget* dock)
{
    const QList<QDockWidget*> before = docks();
    m_window.addDockWidget(m_area, dock);
    // A dock shares the area as a tab, so the keyboard keeps all of its room.
    if (!before.isEmpty() && before.first() != dock) {
        m_window.tabifyDockWidget(before.first(), dock);
        dock->raise();
    }
}

QList<QDockWidget*> DockLayout::docks() const
{
    return m_window.findChildren<QDockWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

void DockLayout::place(Qt::DockWidgetArea area)
{
    m_area = area;
    const QList<QDockWidget*> all = docks();
    for (QDockWidget* dock : all)
        m_window.addDockWidget(area, dock);
    for (QDockWidget* dock : all) {
        if (dock != all.first())
            m_window.tabifyDockWidget(all.first(), dock);
    }
    if (all.size() > 1)
        all.last()->raise();
}

// The window takes its minimum size from its layout only as the layout runs, which a
// window not yet shown would otherwise leave until it is.
void DockLayout::relayout()
{
    m_window.layout()->invalidate();
    m_window.layout()->activate();
}

bool DockLayout::fits(const QSize& room)
{
    relayout();
    const QSize needed = m_window.minimumSizeHint();
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void DockLayout::fitScreen(const QSize& available)
{
    const QSize room = available - kFrameAllowance;
    place(Qt::BottomDockWidgetArea);
    if (!fits(room))
        place(Qt::RightDockWidgetArea);
    // On a screen too small for the docks beside the page as well, they fold away. The View
    // menu brings them back in windows of their own, so the main window never outgrows the
    // screen; dragging one back onto the window docks it again.
    const bool folded = !fits(room);
    for (QDockWidget* dock : docks()) {
        dock->setVisible(!folded);
        if (folded) {
            dock->setFloating(true);
            dock->resize(dock->sizeHint().boundedTo(room));
        }
    }
    relayout();
    const QSize size = kLargestDefault.boundedTo(room).expandedTo(m_window.minimumSizeHint());
    m_window.resize(size);
    if (folded)
        return;

    // The page's picture does not grow with the window, the virtual keyboard does: the
    // docks take all that the page does not need.
    relayout();
    const bool below = m_area == Qt::BottomDockWidgetArea;
    const QSize spare = size - m_window.minimumSizeHint();
    QList<int> extents;
    for (QDockWidget* dock : docks()) {
        const QSize least = dock->minimumSizeHint();
        extents << (below ? least.height() + spare.height() : least.width() + spare.width());
    }
    m_window.resizeDocks(docks(), extents, below ? Qt::Vertical : Qt::Horizontal);
}
