// SPDX-License-Identifier: MIT
#include "host/window/applyindicator.h"

#include "platform/toolkit/palette.h"

#include <QPainter>

namespace {
// A coloured bar before the words, so the state reads at a glance.
constexpr int kBarWidth = 4;
constexpr int kTextIndent = 12;
} // namespace

ApplyIndicator::ApplyIndicator(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("applyIndicator"));
    setAccessibleName(tr("Keyboard state"));
    setIndent(kTextIndent);
    // Sized once for the longer of its two words: a new word then lays out nothing else
    // of the window, which would cost every click that changes it.
    QSize size;
    for (bool applied : {false, true}) {
        setApplied(applied);
        size = size.expandedTo(sizeHint());
    }
    setFixedSize(size);
}

void ApplyIndicator::setApplied(bool applied)
{
    m_applied = applied;
    setText(applied ? tr("Applied") : tr("Changes not applied"));
    setToolTip(applied ? tr("The keyboard's onboard memory holds this profile as shown.")
                       : tr("Press APPLY to store this profile on the keyboard."));
    // Colour and weight by palette and font rather than a style sheet: a new style sheet
    // would polish the label again on every change of state.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, stateColour());
    setPalette(colours);
    QFont weight = font();
    weight.setBold(!applied);
    setFont(weight);
}

void ApplyIndicator::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, kBarWidth, height()), stateColour());
}

QColor ApplyIndicator::stateColour() const
{
    return Palette::color(m_applied ? Palette::Success : Palette::Warning);
}
