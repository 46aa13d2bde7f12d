#pragma once

// Helpers for the preview page suites: the records as signal-spy arguments, and a mouse
// drag on a page as the window system delivers it, with a repaint between the moves.

#include "display/ledkeybtn.h"
#include "keylight/vantor_types.h"

#include <QApplication>
#include <QMetaType>
#include <QMouseEvent>
#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(vantor_light)
Q_DECLARE_METATYPE(vantor_light_custom)
Q_DECLARE_METATYPE(vantor_filter)
Q_DECLARE_METATYPE(std::vector<vantor_light>)

namespace PageTesting {

// The library leaves the records unregistered; a spy needs them registered to copy them.
inline void registerRecordTypes()
{
    qRegisterMetaType<vantor_light>("vantor_light");
    qRegisterMetaType<vantor_light_custom>("vantor_light_custom");
    qRegisterMetaType<vantor_filter>("vantor_filter");
    qRegisterMetaType<std::vector<vantor_light>>("std::vector<vantor_light>");
}

template <typename T>
QByteArray bytesOf(const T& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), int(sizeof record));
}

inline LedKeyBtn* key(QWidget* page, const char* name)
{
    auto* button = page->findChild<LedKeyBtn*>(QLatin1String(name));
    if (!button)
        qFatal("no key %s", name);
    return button;
}

inline QPoint centreOf(QWidget* page, const char* name)
{
    return key(page, name)->geometry().center();
}

// A point in the gap right of a key, level with its centre: on no key.
inline QPoint gapRightOf(QWidget* page, const char* name)
{
    const QRect rect = key(page, name)->geometry();
    return QPoint(rect.right() + 4, rect.center().y());
}

inline QPoint gapLeftOf(QWidget* page, const char* name)
{
    const QRect rect = key(page, name)->geometry();
    return QPoint(rect.left() - 4, rect.center().y());
}

// QTest reads the point (0, 0) as "the centre of the widget"; avoid it.
inline void press(QWidget* page, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(page, button, Qt::NoModifier, pos);
}

// The offscreen platform sends no move events with a button held, so the move is built
// here; the repaint stands for the one the window system runs before the next move.
inline void dragTo(QWidget* page, QPoint pos, Qt::MouseButtons held = Qt::LeftButton)
{
    QMouseEvent move(QEvent::MouseMove, pos, page->mapToGlobal(pos), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(page, &move);
    page->repaint();
}

inline void release(QWidget* page, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(page, button, Qt::NoModifier, pos);
}

inline bool showAndWait(QWidget* page)
{
    page->show();
    return QTest::qWaitForWindowExposed(page);
}

// The style sheet of a key in the coloured look of cor.
inline QString colouredStyle(const QColor& cor)
{
    return LedKeyBtn::colouredStyle(cor);
}

} // namespace PageTesting
