// SPDX-License-Identifier: MIT
#pragma once

// Where a main window's docks go on a given screen: under the page or beside it,
// wherever the keys of the live keyboard come out larger, and floating away on a
// screen too small for either. The first dock added is the anchor the others share
// their area with, as tabs. Beside the page the docks stand one above the other instead,
// the live keyboard's on top and as tall as its picture, the others sharing the room below
// it: a keyboard is wide and low, and a tall dock of its own would only be empty above and
// below it.

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
    // The dock that holds the live keyboard, or null.
    QDockWidget* liveDock() const;
    // Beside the page with a live keyboard: the docks one above the other, not as tabs.
    bool isStacked() const;
    // Gives the live keyboard's dock beside the page the height of its picture.
    void fitLiveDockHeight();
    void place(Qt::DockWidgetArea area);
    bool fits(const QSize& room);
    void arrange(const QSize& room);
    // How wide the keys of the live keyboard are drawn in its dock; 0 without one.
    qreal liveKeyWidth() const;
    void relayout();

    QMainWindow& m_window;
    Qt::DockWidgetArea m_area = Qt::BottomDockWidgetArea;
};
