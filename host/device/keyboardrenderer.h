// SPDX-License-Identifier: MIT
#pragma once

#include "host/device/effectengine.h"

#include <QImage>
#include <QRectF>
#include <QTransform>

class KeyLayout;
struct KeyGeometry;
class QPainter;

// Paints the keyboard with its lamps lit, drawn from the key geometry so that it stays
// sharp at any size and device pixel ratio. Everything that does not change from frame to
// frame (the case, the key wells, the cap shading and legends) is drawn once per size into
// a cached image laid over the lamps, so a frame costs only the lit caps, their rims and
// one image copy.
class KeyboardRenderer
{
public:
    explicit KeyboardRenderer(const KeyLayout& layout);

    // The part of the form that is shown: the case around the keys.
    QRectF viewRect() const { return m_view; }
    // The largest rectangle of the view's shape centred in bounds.
    QRectF fitInto(const QRectF& bounds) const;
    // Form coordinates to the coordinates of a target rectangle from fitInto.
    QTransform formToTarget(const QRectF& target) const;

    void paint(QPainter& painter, const QRectF& target, const LedFrame& frame);

private:
    void rebuildCache(const QSize& size, qreal dpr);
    static QRectF capRect(const KeyGeometry& key);
    void paintCase(QPainter& painter) const;
    void paintCapShading(QPainter& painter) const;

    const KeyLayout& m_layout;
    QRectF m_view;
    QSize m_cacheSize;
    qreal m_cacheDpr = 0.0;
    QImage m_overlay;  // case, wells, cap shading and legends, drawn over the lit caps
};
