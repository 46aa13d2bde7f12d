// SPDX-License-Identifier: MIT
#pragma once

// Where a main window's docks go on a given screen: under the page or beside it,
// wherever the keys of the live keyboard come out larger, and floating away on a
// screen too small for either. The first dock added is the anchor the others share
// their area with, as tabs. Beside the page the docks stand one above the other instead
// where the live keyboard's keys still come out readable that way: its dock on top and as
// tall as its picture, the others sharing the room below it. Where they would not (a
// laptop screen), the docks beside the page are tabs with their names along the page's
// edge, and the live keyboard's tab has the whole column for its picture in three tiers.

#include <QList>
#include <QSize>
#include <QSizeF>
#include <Qt>

class QDockWidget;
class QMainWindow;

class DockLayout
{
public:
    explicit DockLayout(QMainWindow& window);

    // Adds `dock` to the current area, as a tab beside the anchor once there is one.
    void add(QDockWidget* dock);
    // Sizes the window for a screen whose free area is `available`, and lets the docks take
    // all the room the page does not need.
    void fitScreen(const QSize& available);
    Qt::DockWidgetArea area() const { return m_area; }

private:
    // The width of a letter key below which its legend is hard to read.
    static constexpr qreal kReadableKeyWidth = 24.0;

    // Whether the docks beside the page stand one above the other rather than as tabs.
    bool isStacked() const;
    QList<QDockWidget*> docks() const;
    // The dock that holds the live keyboard, or null.
    QDockWidget* liveDock() const;
    // The same while the docks stand beside the page, or null.
    QDockWidget* liveDockBeside() const;
    // The tab that shows in a group of tabs: the live keyboard's beside the page, else the
    // dock added last.
    QDockWidget* shownTab() const;
    // Gives the live keyboard's dock beside the page the height of its picture.
    void fitLiveDockHeight();
    void place(Qt::DockWidgetArea area, bool stacked);
    bool fits(const QSize& room);
    void arrange(const QSize& room);
    // The room the live keyboard has inside its dock.
    QSizeF liveRoom() const;
    // How wide the keys of the live keyboard are drawn in its dock; 0 without one.
    qreal liveKeyWidth() const;
    void relayout();

    QMainWindow& m_window;
    Qt::DockWidgetArea m_area = Qt::BottomDockWidgetArea;
    bool m_stacked = false;
};
