// SPDX-License-Identifier: MIT
#pragma once

#include "display/keymap.h"
#include "display/ledkeybtn.h"

#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;

// The rubber band with which the keyboard pages select keys: a press starts it, moves
// stretch it, every repaint during the drag draws its outline and tests the keys under it,
// and the release ends it. What a hit does to a key, and what the release commits, is the
// page's business.
class BandSelection
{
public:
    // Starts the band at the event's point; a press of another button restarts it.
    void press(const QMouseEvent& event);
    // Stretches the band while a drag is under way.
    void move(const QMouseEvent& event);
    // Ends the drag. True when keys lay under the band at the last repaint of a drag:
    // the page then commits what its keys show.
    bool release(const QMouseEvent& event);

    bool isDragging() const { return m_bPressed; }
    // The band with both corners included, whichever way it was drawn.
    QRect band() const;

    // Called from the page's paintEvent during a drag: draws the outline on the page, then
    // hands every key in ascending LED index to rule(led, key, bUnderBand), which styles
    // the key and returns whether it counts as a hit.
    template <typename Rule>
    void paint(QWidget* page, const KeyMap& keys, Rule rule);

private:
    void drawOutline(QWidget* page) const;

    bool m_bPressed = false;
    QPoint m_startPos;
    QPoint m_endPos;
    bool m_bChanged = false;
};

template <typename Rule>
void BandSelection::paint(QWidget* page, const KeyMap& keys, Rule rule)
{
    drawOutline(page);
    m_bChanged = false;
    const QRect area = band();
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (rule(it.key(), it.value(), area.intersects(it.value()->geometry())))
            m_bChanged = true;
    }
}
