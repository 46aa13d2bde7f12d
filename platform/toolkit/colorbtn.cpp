// SPDX-License-Identifier: MIT
#include "platform/toolkit/colorbtn.h"

#include "platform/toolkit/colourname.h"
#include "platform/toolkit/palette.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

namespace {
constexpr int kOwnAlpha = -1;
constexpr int kMaxAlpha = 255;
constexpr int kSwatchSide = 20;
constexpr int kMinSwatchSide = 10;
constexpr int kCheckerCell = 4;
constexpr int kFocusRing = 2;
constexpr qreal kDisabledOpacity = 0.35;
constexpr auto kEmptyText = "+";


// A dropped colour must be a real colour; an invalid one would fill the slot with nothing.
bool droppedColor(const QMimeData* mime, QColor* color)
{
    if (!mime || !mime->hasColor())
        return false;
    const QColor dropped = qvariant_cast<QColor>(mime->colorData());
    if (!dropped.isValid())
        return false;
    if (color)
        *color = dropped;
    return true;
}

void paintChecker(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect, Palette::color(Palette::CheckerLight));
    for (int y = rect.top(); y <= rect.bottom(); y += kCheckerCell) {
        for (int x = rect.left(); x <= rect.right(); x += kCheckerCell) {
            const bool dark = (((x - rect.left()) / kCheckerCell)
                               + ((y - rect.top()) / kCheckerCell)) % 2;
            if (dark)
                painter.fillRect(QRect(x, y, kCheckerCell, kCheckerCell) & rect,
                                 Palette::color(Palette::CheckerDark));
        }
    }
}
} // namespace

ColorBtn::ColorBtn(QWidget* parent)
    : ColorBtn(QColor(Qt::transparent), kOwnAlpha, parent)
{
}

ColorBtn::ColorBtn(const QColor& color, QWidget* parent)
    : ColorBtn(color, kOwnAlpha, parent)
{
}

ColorBtn::ColorBtn(const QColor& color, int iAlpha, QWidget* parent)
    : QPushButton(parent)
    , m_iPaintAlpha(iAlpha >= 0 && iAlpha <= kMaxAlpha ? iAlpha : kOwnAlpha)
{
    setColor(color);
}

void ColorBtn::setColor(const QColor& color)
{
    m_color = color;
    setText(isEmptySlot() ? QString::fromLatin1(kEmptyText) : QString());
    updateName();
    update();
}

void ColorBtn::setLabel(const QString& label)
{
    m_label = label;
    updateName();
}

void ColorBtn::updateName()
{
    if (m_label.isEmpty())
        return;
    const QString holds = isEmptySlot() ? tr("empty") : ColourName::describe(m_color);
    setAccessibleName(tr("%1, %2").arg(m_label, holds));
    setToolTip(canClear() ? tr("%1, %2. Drop a colour here; Delete empties the slot.")
                                .arg(m_label, holds)
                          : accessibleName());
}

const QColor& ColorBtn::getColor() const
{
    return m_color;
}

void ColorBtn::reset()
{
    setColor(QColor(Qt::transparent));
}

QSize ColorBtn::sizeHint() const
{
    return QSize(kSwatchSide, kSwatchSide);
}

QSize ColorBtn::minimumSizeHint() const
{
    return QSize(kMinSwatchSide, kMinSwatchSide);
}

bool ColorBtn::isEmptySlot() const
{
    return m_color == QColor(Qt::transparent);
}

QColor ColorBtn::swatchColor() const
{
    QColor color = m_color;
    if (m_iPaintAlpha != kOwnAlpha)
        color.setAlpha(m_iPaintAlpha);
    return color;
}

void ColorBtn::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(kDisabledOpacity);

    const QRect inner = rect().adjusted(1, 1, -1, -1);
    if (isEmptySlot() || !m_color.isValid()) {
        painter.fillRect(inner, Palette::color(Palette::Control));
        painter.setPen(Palette::color(Palette::TextSubtle));
        painter.drawText(inner, Qt::AlignCenter, text());
    } else {
        const QColor swatch = swatchColor();
        if (swatch.alpha() < kMaxAlpha)
            paintChecker(painter, inner);
        painter.fillRect(inner, swatch);
    }

    QColor border = Palette::color(Palette::Outline);
    if (isDown())
        border = Palette::color(Palette::Accent);
    else if (underMouse() && isEnabled())
        border = Palette::color(Palette::Text);
    painter.setPen(QPen(border, 1, isEmptySlot() ? Qt::DashLine : Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setOpacity(1.0);
        painter.setPen(QPen(Palette::color(Palette::Focus), kFocusRing));
        const int inset = kFocusRing / 2;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}

void ColorBtn::dragEnterEvent(QDragEnterEvent* event)
{
    if (droppedColor(event->mimeData(), nullptr))
        event->acceptProposedAction();
    else
        event->ignore();
}

bool ColorBtn::canClear() const
{
    return acceptDrops() && !isEmptySlot() && isEnabled();
}

void ColorBtn::clearByUser()
{
    reset();
    emit sigUpdateColor();
}

void ColorBtn::contextMenuEvent(QContextMenuEvent* event)
{
    if (!canClear()) {
        QPushButton::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    QAction* clear = menu.addAction(tr("Clear"), this, &ColorBtn::clearByUser);
    clear->setObjectName(QStringLiteral("actionClearColor"));
    menu.exec(event->globalPos());
}

void ColorBtn::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && canClear()) {
        clearByUser();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ColorBtn::dropEvent(QDropEvent* event)
{
    QColor color;
    if (!droppedColor(event->mimeData(), &color)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setColor(color);
    emit sigUpdateColor();
}
