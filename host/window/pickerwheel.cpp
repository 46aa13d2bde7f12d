// SPDX-License-Identifier: MIT
#include "host/window/pickerwheel.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

PickerWheel::PickerWheel(QWidget* page)
    : QObject(page)
{
    for (QComboBox* picker : page->findChildren<QComboBox*>()) {
        // Qt gives the focus to a wheel-focus widget before any filter sees the event.
        picker->setFocusPolicy(Qt::StrongFocus);
        picker->installEventFilter(this);
    }
}

bool PickerWheel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    // The list the picker stands in scrolls on; a picker outside any list lets it pass.
    for (QWidget* up = static_cast<QWidget*>(watched)->parentWidget(); up;
         up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            QApplication::sendEvent(area->verticalScrollBar(), event);
            return true;
        }
    }
    return true;
}
