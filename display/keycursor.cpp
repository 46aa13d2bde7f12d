// SPDX-License-Identifier: MIT
#include "display/keycursor.h"

#include "display/ledkeybtn.h"
#include "keylight/keytable.h"
#include "platform/toolkit/palette.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <cmath>
#include <limits>

namespace {
constexpr int kCursorRing = 3;    // pixels around the key under the cursor
constexpr int kSpanOutline = 2;   // pixels around the spanned rectangle
constexpr int kSpanFillAlpha = 70;
// How much a step across the direction weighs against a step along it: the nearest key
// to the right is the one in the same row, not a closer one a row away.
constexpr double kAcrossWeight = 2.5;

bool isApplyKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void sendMouse(QWidget* page, QEvent::Type type, const QPoint& at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, page->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(page, &event);
}
} // namespace

// Drawn above the keys, blind to the mouse: the cursor's ring and the spanned rectangle.
class KeyCursorOverlay : public QWidget
{
public:
    explicit KeyCursorOverlay(const KeyCursor* cursor, QWidget* page)
        : QWidget(page)
        , m_cursor(cursor)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        resize(page->size());
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const LedKeyBtn* key = m_cursor->current();
        if (!key)
            return;
        QPainter painter(this);
        const QColor focus = Palette::color(Palette::Focus);
        if (m_cursor->isSpanning()) {
            QColor fill = focus;
            fill.setAlpha(kSpanFillAlpha);
            painter.setPen(QPen(focus, kSpanOutline, Qt::DashLine));
            painter.setBrush(fill);
            painter.drawRect(m_cursor->selection().adjusted(-kSpanOutline, -kSpanOutline,
                                                            kSpanOutline, kSpanOutline));
        }
        painter.setPen(QPen(focus, kCursorRing));
        painter.setBrush(Qt::NoBrush);
        const int grow = kCursorRing / 2 + 1;
        painter.drawRect(key->geometry().adjusted(-grow, -grow, grow, grow));
    }

private:
    const KeyCursor* m_cursor;
};

KeyCursor::KeyCursor(QWidget* page, const KeyMap& keys)
    : QObject(page)
    , m_page(page)
    , m_keys(keys)
    , m_current(keys.value(KeyTable::kKeys.front().led))
    , m_overlay(new KeyCursorOverlay(this, page))
{
    m_page->setFocusPolicy(Qt::StrongFocus);
    m_page->installEventFilter(this);
}

QRect KeyCursor::selection() const
{
    if (!m_current)
        return {};
    const QRect here = m_current->geometry();
    return m_anchor ? here.united(m_anchor->geometry()) : here;
}

void KeyCursor::moveTo(LedKeyBtn* key)
{
    if (!key || key == m_current)
        return;
    m_current = key;
    m_overlay->update();
    announce();
}

void KeyCursor::step(Direction direction, bool bSpan)
{
    if (bSpan && !m_anchor)
        m_anchor = m_current;
    else if (!bSpan)
        m_anchor = nullptr;
    m_overlay->update();
    moveTo(nearest(direction));
}

void KeyCursor::dropSpan()
{
    m_anchor = nullptr;
    m_overlay->update();
}

void KeyCursor::apply()
{
    // The band only tests the keys inside a repaint, which a hidden page does not get.
    const QRect area = selection();
    if (area.isNull() || !m_page->isVisible())
        return;
    sendMouse(m_page, QEvent::MouseButtonPress, area.topLeft(), Qt::LeftButton);
    sendMouse(m_page, QEvent::MouseMove, area.bottomRight(), Qt::LeftButton);
    m_page->repaint();
    sendMouse(m_page, QEvent::MouseButtonRelease, area.bottomRight(), Qt::NoButton);
    dropSpan();
    announce();
}

LedKeyBtn* KeyCursor::nearest(Direction direction) const
{
    if (!m_current)
        return nullptr;
    const QPointF from = QRectF(m_current->geometry()).center();
    LedKeyBtn* best = nullptr;
    double bestScore = std::numeric_limits<double>::max();
    for (LedKeyBtn* key : m_keys) {
        const QPointF to = QRectF(key->geometry()).center();
        const double dx = to.x() - from.x();
        const double dy = to.y() - from.y();
        double along = 0;
        double across = 0;
        switch (direction) {
        case Direction::Left: along = -dx; across = dy; break;
        case Direction::Right: along = dx; across = dy; break;
        case Direction::Up: along = -dy; across = dx; break;
        case Direction::Down: along = dy; across = dx; break;
        }
        if (along < 1)
            continue;
        const double score = along + kAcrossWeight * std::abs(across);
        if (score < bestScore) {
            bestScore = score;
            best = key;
        }
    }
    return best;
}

void KeyCursor::announce()
{
    if (!m_current || !m_page->hasFocus())
        return;
    QAccessibleEvent event(m_current, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
    emit sigAnnounced(m_current);
}

void KeyCursor::showCursor(bool bShown)
{
    m_overlay->setVisible(bShown);
    if (bShown)
        m_overlay->raise();
}

bool KeyCursor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_page)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        // A mouse click on the page is a drag, not a step of the keyboard cursor.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
            showCursor(true);
            announce();
        }
        break;
    case QEvent::FocusOut:
        showCursor(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyCursor::handleKey(QKeyEvent* event)
{
    const bool bSpan = event->modifiers().testFlag(Qt::ShiftModifier);
    Direction direction;
    switch (event->key()) {
    case Qt::Key_Left: direction = Direction::Left; break;
    case Qt::Key_Right: direction = Direction::Right; break;
    case Qt::Key_Up: direction = Direction::Up; break;
    case Qt::Key_Down: direction = Direction::Down; break;
    case Qt::Key_Escape:
        if (!m_anchor)
            return false; // nothing to drop: Escape means something else further up
        dropSpan();
        return true;
    default:
        if (!isApplyKey(event->key()) || event->isAutoRepeat())
            return false;
        showCursor(true);
        apply();
        return true;
    }
    showCursor(true);
    step(direction, bSpan);
    return true;
}
