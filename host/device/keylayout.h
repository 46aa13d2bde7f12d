// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QString>
#include <QtGlobal>

#include <utility>
#include <vector>

// Where one key of the keyboard picture lies and which lamp it carries.
struct KeyGeometry
{
    quint16 led = 0;
    QRectF rect;       // in the keyboard form's own coordinates (1000 x 417)
    float x = 0.0f;    // key centre, 0 at the leftmost key edge, 1 at the rightmost
    float y = 0.0f;    // key centre, 0 at the top key edge, 1 at the bottom key edge
    QString label;     // the legend printed on the cap
};

// The key geometry of the keyboard form, taken once from the laid-out form so the virtual
// keyboard lights exactly the keys the page shows.
class KeyLayout
{
public:
    // Lays the form out on a hidden widget; needs a QApplication.
    static KeyLayout fromForm();
    // The same keys with each cap `by` form pixels larger on every side, their centres where
    // they were: a small picture reads better with narrower gaps between larger caps.
    KeyLayout grownBy(qreal by) const;
    // The same keys in two tiers, for a tall and narrow place: the main block on top, the
    // keys right of the first gap through every row (the navigation block and the keypad)
    // below it. About a third narrower, so the keys come out larger there. The keys keep
    // their centre positions x and y of the whole keyboard, which the effects read.
    KeyLayout wrapped() const;
    // Narrower still, for a column of its own: the main block split in two halves, the left
    // one on top and the right one below it, and the other blocks (macro keys, navigation
    // block, keypad) side by side under them. The halves part where the wider of them is
    // narrowest; a key goes with the half its centre lies in.
    KeyLayout inThreeTiers() const;

    const std::vector<KeyGeometry>& keys() const { return m_keys; }
    // The bounding box of all keys, in form coordinates.
    QRectF keyArea() const { return m_keyArea; }
    // Index into keys() of the key under a point in form coordinates, or -1.
    int keyAt(const QPointF& pos) const;
    // Index into keys() of the key with this LED, or -1.
    int indexOfLed(int led) const;

private:
    // The stretches between the keyboard's blocks, left to right, where no key of any row
    // lies: (left, right) in form coordinates.
    std::vector<std::pair<qreal, qreal>> columnGaps() const;
    // A quarter of a key between two tiers: a row apart and a little more.
    qreal tierGap() const;
    // Recomputes the key area from the keys where they now lie.
    void refit();

    std::vector<KeyGeometry> m_keys;
    QRectF m_keyArea;
};
