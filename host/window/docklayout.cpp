// SPDX-License-Identifier: MIT
#include "host/window/docklayout.h"

#include "host/device/virtualkeyboardwid.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QStyle>

#include <algorithm>
#include <optional>

namespace {
// Room left around the window for its frame and title bar, which it cannot measure
// before it is shown.
constexpr QSize kFrameAllowance{16, 40};
// As large as the window starts on a big screen: beyond it the page only gains empty
// margins and the virtual keyboard grows past any use.
constexpr QSize kLargestDefault{1800, 1040};
// The page's height at which its lower panels show their lists and labels in full; with
// the docks below, the page gets this much before the docks get the rest.
constexpr int kPageComfortableHeight = 700;
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

QDockWidget* DockLayout::liveDock() const
{
    for (QDockWidget* dock : docks()) {
        if (dock->findChild<VirtualKeyboardWid*>())
            return dock;
    }
    return nullptr;
}

void DockLayout::place(Qt::DockWidgetArea area)
{
    m_area = area;
    const QList<QDockWidget*> all = docks();
    for (QDockWidget* dock : all)
        m_window.addDockWidget(area, dock);
    if (isStacked()) {
        // One above the other, each with its whole title: three tabs would not fit their
        // names into the width beside the page.
        QDockWidget* const live = liveDock();
        QDockWidget* above = live;
        for (QDockWidget* dock : all) {
            if (dock == live)
                continue;
            m_window.splitDockWidget(above, dock, Qt::Vertical);
            above = dock;
        }
        return;
    }
    for (QDockWidget* dock : all) {
        if (dock != all.first())
            m_window.tabifyDockWidget(all.first(), dock);
    }
    if (all.size() > 1)
        all.last()->raise();
}

bool DockLayout::isStacked() const
{
    return m_area == Qt::RightDockWidgetArea && liveDock() && docks().size() > 1;
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
    // Beside the page or under it, wherever the live picture of the keyboard comes out
    // larger; under it when both are alike, or when no dock holds such a picture.
    std::optional<Qt::DockWidgetArea> best;
    qreal bestWidth = -1;
    for (const Qt::DockWidgetArea area : {Qt::BottomDockWidgetArea, Qt::RightDockWidgetArea}) {
        place(area);
        if (!fits(room))
            continue;
        arrange(room);
        const qreal width = liveKeyWidth();
        if (width > bestWidth) {
            best = area;
            bestWidth = width;
        }
    }
    // On a screen too small for the docks beside the page as well, they fold away. The View
    // menu brings them back in windows of their own, so the main window never outgrows the
    // screen; dragging one back onto the window docks it again.
    const bool folded = !best;
    place(best.value_or(Qt::RightDockWidgetArea));
    for (QDockWidget* dock : docks()) {
        dock->setVisible(!folded);
        if (folded) {
            dock->setFloating(true);
            dock->resize(dock->sizeHint().boundedTo(room));
        }
    }
    relayout();
    if (folded) {
        m_window.resize(kLargestDefault.boundedTo(room).expandedTo(m_window.minimumSizeHint()));
        return;
    }
    arrange(room);
}

// Sizes the window for `room` and shares out what the page does not need: under the page
// the page first grows to a comfortable height, beside it the page keeps its width; the
// docks take the rest, since the page's picture does not grow and the keyboard's does.
void DockLayout::arrange(const QSize& room)
{
    relayout();
    const QSize size = kLargestDefault.boundedTo(room).expandedTo(m_window.minimumSizeHint());
    m_window.resize(size);
    relayout();
    const bool below = m_area == Qt::BottomDockWidgetArea;
    QSize spare = size - m_window.minimumSizeHint();
    if (below) {
        const int pageShare = kPageComfortableHeight - m_window.centralWidget()->minimumHeight();
        spare.setHeight(std::max(0, spare.height() - std::max(0, pageShare)));
    }
    QList<int> extents;
    for (QDockWidget* dock : docks()) {
        const QSize least = dock->minimumSizeHint();
        extents << (below ? least.height() + spare.height() : least.width() + spare.width());
    }
    m_window.resizeDocks(docks(), extents, below ? Qt::Vertical : Qt::Horizontal);
    relayout();
    fitLiveDockHeight();
}

void DockLayout::fitLiveDockHeight()
{
    if (!isStacked())
        return;
    QDockWidget* live = liveDock();
    // The insides of a window not yet shown have no sizes yet: the keyboard's are the
    // dock's less its frame, and its title bar as the two minimum heights differ.
    const auto* keyboard = live->findChild<VirtualKeyboardWid*>();
    const int frame = live->style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, live);
    const int chrome = live->minimumSizeHint().height() - keyboard->minimumSizeHint().height();
    const int wanted = std::max(live->minimumSizeHint().height(),
                                keyboard->usefulHeight(live->width() - 2 * frame) + chrome);
    const QList<QDockWidget*> all = docks();
    int shared = 0;
    for (const QDockWidget* dock : all)
        shared += dock->height();
    // The others share what the keyboard leaves, alike.
    const int others = int(all.size()) - 1;
    const int each = std::max(0, shared - wanted) / others;
    QList<int> extents;
    for (const QDockWidget* dock : all)
        extents << (dock == live ? wanted : std::max(each, dock->minimumSizeHint().height()));
    m_window.resizeDocks(all, extents, Qt::Vertical);
    relayout();
}

qreal DockLayout::liveKeyWidth() const
{
    // The dock's own size: a window not yet shown has laid out its docks, not their insides.
    const QDockWidget* live = liveDock();
    return live ? live->findChild<VirtualKeyboardWid*>()->keyWidthIn(QSizeF(live->size())) : 0;
}
