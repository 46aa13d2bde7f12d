// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QString>
#include <QtGlobal>

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
    // The same keys in two tiers, for a tall and narrow place: the main block on top, the
    // keys right of the first gap through every row (the navigation block and the keypad)
    // below it. About a third narrower, so the keys come out larger there. The keys keep
    // their centre positions x and y of the whole keyboard, which the effects read.
    KeyLayout wrapped() const;

    const std::vector<KeyGeometry>& keys() const { return m_keys; }
    QSizeF canvasSize() const { return m_canvas; }
    // The bounding box of all keys, in form coordinates.
    QRectF keyArea() const { return m_keyArea; }
    // Index into keys() of the key under a point in form coordinates, or -1.
    int keyAt(const QPointF& pos) const;
    // Index into keys() of the key with this LED, or -1.
    int indexOfLed(int led) const;

private:
    std::vector<KeyGeometry> m_keys;
    QSizeF m_canvas;
    QRectF m_keyArea;
};
