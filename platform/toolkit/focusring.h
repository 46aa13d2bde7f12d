// SPDX-License-Identifier: MIT
#pragma once

#include "vantor_toolkit_export.h"

#include <QPointer>
#include <QWidget>

// The keyboard focus indicator for a widget that cannot draw one itself, because a fixed
// style sheet strips its frame. A sibling laid over the widget, blind to the mouse, draws a
// ring in the palette's focus colour while the widget has the focus.
class VANTOR_TOOLKIT_EXPORT FocusRing : public QWidget
{
    Q_OBJECT

public:
    explicit FocusRing(QWidget* target);

    static constexpr int kWidth = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<QWidget> m_target;
};
