// SPDX-License-Identifier: MIT
#pragma once

#include "display/keymap.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class KeyCursorOverlay;
class LedKeyBtn;
class QKeyEvent;
class QWidget;

// Keyboard use of a keyboard page, added beside its mouse handling. The page takes the
// focus as one stop; the arrow keys move a cursor to the nearest key in their direction,
// Shift with an arrow spans a rectangle of keys from where it began, Escape drops the
// rectangle, and Space or Enter applies the keys: the cursor runs the page's own band over
// them (a press, a move, the repaint that tests the keys, a release), so what the page does
// with them, and the request that follows, is what a drag over the same keys gives.
class KeyCursor : public QObject
{
    Q_OBJECT

public:
    // Watches `page`, whose keys are `keys`; both outlive the cursor (it is the page's child).
    KeyCursor(QWidget* page, const KeyMap& keys);

    enum class Direction { Left, Right, Up, Down };

    LedKeyBtn* current() const { return m_current; }
    // The keys that Space would apply: the spanned rectangle, or the key under the cursor.
    QRect selection() const;
    bool isSpanning() const { return m_anchor != nullptr; }

    void moveTo(LedKeyBtn* key);
    void step(Direction direction, bool bSpan);
    void dropSpan();
    // Runs the page's band over the selection and leaves the cursor where it was.
    void apply();

signals:
    // The key under the cursor was announced to assistive technology, with its name and its
    // colour as the key's accessible name and description.
    void sigAnnounced(LedKeyBtn* key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);
    LedKeyBtn* nearest(Direction direction) const;
    void announce();
    void showCursor(bool bShown);

    QWidget* m_page;
    KeyMap m_keys;
    LedKeyBtn* m_current = nullptr;
    LedKeyBtn* m_anchor = nullptr; // where a Shift span began; null without a span
    KeyCursorOverlay* m_overlay;
};
