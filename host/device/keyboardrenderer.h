#pragma once

#include "host/device/effectengine.h"

#include <QImage>
#include <QRectF>
#include <QTransform>

class KeyLayout;
struct KeyGeometry;
class QPainter;

// Paints the keyboard with its lamps lit. Everything that does not change from frame to
// frame (the case, the key wells, the cap shading and legends) is drawn once per size into
// a cached image laid over the lamps, so a frame costs only the glow, the lit caps and
// one image copy.
class KeyboardRenderer
{
public:
    // picture: the keyboard artwork in form coordinates; when it is null the renderer
    // draws a case and key caps of its own.
    KeyboardRenderer(const KeyLayout& layout, const QImage& picture);

    // The part of the form that is shown: the whole picture, or the case around the keys.
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
    void fillGlow(const LedFrame& frame);

    const KeyLayout& m_layout;
    QImage m_picture;
    QRectF m_view;
    QSize m_cacheSize;
    qreal m_cacheDpr = 0.0;
    QImage m_base;     // the artwork at the shown size, when there is artwork
    QImage m_overlay;  // case, wells, cap shading and legends, drawn over the lit caps
    QImage m_glow;     // the lamps at a low resolution, blurred by scaling it up
};
