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

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int kCursorRing = 3;    // pixels around the key under the cursor
constexpr int kSpanOutline = 2;   // pixels around the spanned rectangle
constexpr int kSpanFillAlpha = 70;

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
    // Up and Down go to the next row of keys in that direction and there to the key whose
    // centre is nearest straight above or below; Left and Right stay in the row and go to
    // the next key. Centres within half a key's height of each other share a row, so the
    // staggered rows of a keyboard still read as rows.
    const QRectF here(m_current->geometry());
    const QPointF from = here.center();
    const double sameRow = here.height() / 2;
    const bool vertical = direction == Direction::Up || direction == Direction::Down;
    const auto along = [&](const QPointF& to) {
        switch (direction) {
        case Direction::Left: return from.x() - to.x();
        case Direction::Right: return to.x() - from.x();
        case Direction::Up: return from.y() - to.y();
        case Direction::Down: return to.y() - from.y();
        }
        return 0.0;
    };
    const auto across = [&](const QPointF& to) {
        return vertical ? std::abs(to.x() - from.x()) : std::abs(to.y() - from.y());
    };

    // The row to go to: the next one for Up and Down, this one for Left and Right.
    double nextRow = std::numeric_limits<double>::max();
    if (vertical) {
        for (LedKeyBtn* key : m_keys) {
            const double distance = along(QRectF(key->geometry()).center());
            if (distance >= sameRow)
                nextRow = std::min(nextRow, distance);
        }
    }
    LedKeyBtn* best = nullptr;
    double bestFirst = std::numeric_limits<double>::max();
    double bestSecond = std::numeric_limits<double>::max();
    for (LedKeyBtn* key : m_keys) {
        const QPointF to = QRectF(key->geometry()).center();
        const double distance = along(to);
        const bool inRow = vertical ? distance >= sameRow && distance < nextRow + sameRow
                                    : distance >= 1 && across(to) < sameRow;
        if (!inRow)
            continue;
        // Up and Down: the nearest column; Left and Right: the nearest key.
        const double first = vertical ? across(to) : distance;
        const double second = vertical ? distance : across(to);
        if (first < bestFirst || (first == bestFirst && second < bestSecond)) {
            bestFirst = first;
            bestSecond = second;
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
