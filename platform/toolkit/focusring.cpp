// SPDX-License-Identifier: MIT
#include "platform/toolkit/focusring.h"

#include "platform/toolkit/palette.h"

#include <QEvent>
#include <QPainter>

FocusRing::FocusRing(QWidget* target)
    : QWidget(target->parentWidget())
    , m_target(target)
{
    setObjectName(target->objectName() + QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    target->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow()
{
    const bool shown = m_target && m_target->isVisible() && m_target->hasFocus();
    if (shown) {
        setGeometry(m_target->geometry());
        raise();
    }
    setVisible(shown);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Palette::color(Palette::Focus), kWidth));
    const qreal inset = kWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
