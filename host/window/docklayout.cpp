// SPDX-License-Identifier: MIT
#include "host/window/docklayout.h"

#include "host/device/virtualkeyboardwid.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QStyle>

#include <algorithm>
#include <array>

namespace {
// Room left around the window for its frame and title bar, which it cannot measure
// before it is shown: a title bar of up to 40 px and side borders of up to 4 px, what
// common window managers draw. On a laptop every pixel of width goes to the live keyboard.
constexpr QSize kFrameAllowance{8, 40};
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

void DockLayout::place(Qt::DockWidgetArea area, bool stacked)
{
    m_area = area;
    m_stacked = stacked;
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
    // Tabs beside the page run down its edge, where their names have the column's height
    // rather than its width.
    m_window.setTabPosition(Qt::RightDockWidgetArea, QTabWidget::West);
    // Beside the page the live keyboard's tab comes first and shows.
    QDockWidget* const live = liveDockBeside();
    QDockWidget* const anchor = live ? live : all.first();
    for (QDockWidget* dock : all) {
        if (dock != anchor)
            m_window.tabifyDockWidget(anchor, dock);
    }
    if (all.size() > 1)
        shownTab()->raise();
}

QDockWidget* DockLayout::liveDockBeside() const
{
    return m_area == Qt::RightDockWidgetArea ? liveDock() : nullptr;
}

QDockWidget* DockLayout::shownTab() const
{
    QDockWidget* const live = liveDockBeside();
    const QList<QDockWidget*> all = docks();
    return live ? live : all.isEmpty() ? nullptr : all.last();
}

bool DockLayout::isStacked() const
{
    return m_stacked && m_area == Qt::RightDockWidgetArea && liveDock() && docks().size() > 1;
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
    struct Placement
    {
        Qt::DockWidgetArea area;
        bool stacked;
        qreal keyWidth; // of the live keyboard there; below 0 where the window does not fit
    };
    std::array<Placement, 3> placements{{{Qt::RightDockWidgetArea, true, -1},
                                         {Qt::BottomDockWidgetArea, false, -1},
                                         {Qt::RightDockWidgetArea, false, -1}}};
    for (Placement& placement : placements) {
        place(placement.area, placement.stacked);
        // Without a live keyboard and another dock to stand under it, "stacked" would only
        // be the tabs beside the page again.
        if ((placement.stacked && !isStacked()) || !fits(room))
            continue;
        arrange(room);
        placement.keyWidth = liveKeyWidth();
    }
    // Every view in sight at once, beside the page, while the live keyboard stays readable
    // so; otherwise wherever its keys come out largest: under the page on a tie, and when
    // no dock holds a live keyboard.
    const Placement& stackedBeside = placements[0];
    const Placement* best = nullptr;
    if (stackedBeside.keyWidth >= kReadableKeyWidth) {
        best = &stackedBeside;
    } else {
        for (const Placement* candidate : {&placements[1], &placements[0], &placements[2]}) {
            if (candidate->keyWidth >= 0 && (!best || candidate->keyWidth > best->keyWidth))
                best = candidate;
        }
    }
    // On a screen too small for the docks beside the page as well, they fold away. The View
    // menu brings them back in windows of their own, so the main window never outgrows the
    // screen; dragging one back onto the window docks it again.
    const bool folded = !best;
    place(folded ? Qt::RightDockWidgetArea : best->area, folded || best->stacked);
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
    // The docks share one row or column, so they all get the extent the largest of them
    // needs and the spare room on top: a tab group takes the extent given last.
    int least = 0;
    for (const QDockWidget* dock : docks()) {
        const QSize hint = dock->minimumSizeHint();
        least = std::max(least, below ? hint.height() : hint.width());
    }
    const int extent = least + (below ? spare.height() : spare.width());
    if (!isStacked() && docks().size() > 1) {
        // A group of tabs does not take a size from resizeDocks before it is shown; the tab
        // that shows holds the group at least as large, once, and the size stays.
        QDockWidget* const shown = shownTab();
        const QSize before = shown->minimumSize();
        if (below)
            shown->setMinimumHeight(extent);
        else
            shown->setMinimumWidth(extent);
        relayout();
        shown->setMinimumSize(before);
    } else {
        QList<int> extents;
        for (int i = 0; i < docks().size(); ++i)
            extents << extent;
        m_window.resizeDocks(docks(), extents, below ? Qt::Vertical : Qt::Horizontal);
    }
    relayout();
    fitLiveDockHeight();
}

void DockLayout::fitLiveDockHeight()
{
    if (!isStacked())
        return;
    QDockWidget* live = liveDock();
    const auto* keyboard = live->findChild<VirtualKeyboardWid*>();
    const QSizeF room = liveRoom();
    const int chrome = live->height() - int(room.height());
    const int wanted = std::max(live->minimumSizeHint().height(),
                                keyboard->usefulHeight(int(room.width())) + chrome);
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

QSizeF DockLayout::liveRoom() const
{
    // The insides of a window not yet shown have no sizes yet: the keyboard's are the
    // dock's less its frame, and its title bar as the two minimum heights differ.
    const QDockWidget* live = liveDock();
    if (!live)
        return {};
    const auto* keyboard = live->findChild<VirtualKeyboardWid*>();
    const int frame = live->style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, live);
    const int chrome = live->minimumSizeHint().height() - keyboard->minimumSizeHint().height();
    return QSizeF(live->width() - 2 * frame, live->height() - chrome);
}

qreal DockLayout::liveKeyWidth() const
{
    const QDockWidget* live = liveDock();
    return live ? live->findChild<VirtualKeyboardWid*>()->keyWidthIn(liveRoom()) : 0;
}
