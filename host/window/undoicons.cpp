// SPDX-License-Identifier: MIT
#include "host/window/undoicons.h"

#include "platform/toolkit/palette.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace {
// In a square of 1 x 1: a hook that bends back, and its arrow head.
constexpr qreal kStroke = 0.11;
constexpr qreal kHead = 0.26;

class CurvedArrowEngine : public QIconEngine
{
public:
    explicit CurvedArrowEngine(bool pointsRight)
        : m_pointsRight(pointsRight)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.center() - QPointF(side / 2, side / 2));
        painter->scale(side, side);
        if (m_pointsRight) {
            // Redo is undo seen in a mirror.
            painter->translate(1, 0);
            painter->scale(-1, 1);
        }
        const QColor ink = Palette::color(mode == QIcon::Disabled ? Palette::TextDisabled
                                                                  : Palette::Text);
        // From the head on the left, round to the right and down.
        QPainterPath hook(QPointF(0.22, 0.40));
        hook.cubicTo(QPointF(0.45, 0.18), QPointF(0.86, 0.22), QPointF(0.84, 0.55));
        hook.cubicTo(QPointF(0.82, 0.80), QPointF(0.58, 0.86), QPointF(0.42, 0.82));
        painter->setPen(QPen(ink, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(hook);
        QPainterPath head;
        head.moveTo(0.10, 0.30);
        head.lineTo(0.10 + kHead * 1.3, 0.30 + kHead * 0.2);
        head.lineTo(0.10 + kHead * 0.35, 0.30 + kHead * 1.25);
        head.closeSubpath();
        painter->setPen(Qt::NoPen);
        painter->setBrush(ink);
        painter->drawPath(head);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new CurvedArrowEngine(m_pointsRight); }

private:
    bool m_pointsRight;
};
} // namespace

namespace UndoIcons {

QIcon undo()
{
    return QIcon::fromTheme(QStringLiteral("edit-undo"), QIcon(new CurvedArrowEngine(false)));
}

QIcon redo()
{
    return QIcon::fromTheme(QStringLiteral("edit-redo"), QIcon(new CurvedArrowEngine(true)));
}

} // namespace UndoIcons
