// SPDX-License-Identifier: MIT
#pragma once

// Where a main window's docks go on a given screen: under the page or beside it,
// wherever the keys of the live keyboard come out larger, and floating away on a
// screen too small for either. The first dock added is the anchor the others share
// their area with, as tabs.

#include <QList>
#include <QSize>
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
    QList<QDockWidget*> docks() const;
    void place(Qt::DockWidgetArea area);
    bool fits(const QSize& room);
    void arrange(const QSize& room);
    // How wide the keys of the live keyboard are drawn in its dock; 0 without one.
    qreal liveKeyWidth() const;
    void relayout();

    QMainWindow& m_window;
    Qt::DockWidgetArea m_area = Qt::BottomDockWidgetArea;
};
