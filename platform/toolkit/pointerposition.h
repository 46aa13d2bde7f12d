// SPDX-License-Identifier: MIT
#pragma once

// Where a mouse event happened in the widget's coordinates, with sub-pixel precision. Qt 6
// names this position() and calls Qt 5's localPos() deprecated; both give the same point.

#include <QMouseEvent>
#include <QPointF>
#include <QtGlobal>

inline QPointF pointerPosition(const QMouseEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position();
#else
    return event->localPos();
#endif
}
