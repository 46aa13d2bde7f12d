// SPDX-License-Identifier: MIT
#include "host/device/virtualkeyboardpanel.h"

#include "host/device/virtualkeyboard.h"
#include "host/device/virtualkeyboardwid.h"
#include "keylight/modecatalogue.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

VirtualKeyboardPanel::VirtualKeyboardPanel(VirtualKeyboard* keyboard, QWidget* parent)
    : QWidget(parent)
    , m_keyboard(keyboard)
    , m_view(new VirtualKeyboardWid(keyboard, this))
    , m_hint(new QLabel(this))
{
    setObjectName(QStringLiteral("virtualKeyboardPanel"));
    m_view->setAccessibleName(tr("Virtual keyboard"));
    m_view->setAccessibleDescription(
        tr("Shows the lighting the keyboard would show. Type while it has the focus, or click "
           "its keys, to press keys; Escape leaves it."));
    m_view->setToolTip(m_view->accessibleDescription());
    m_hint->setObjectName(QStringLiteral("virtualKeyboardHint"));
    m_hint->setAlignment(Qt::AlignCenter);
    m_hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_hint);

    connect(keyboard, &VirtualKeyboard::sigLightingChanged, this,
            &VirtualKeyboardPanel::updateHint);
    updateHint();
}

void VirtualKeyboardPanel::updateHint()
{
    const bool waits = m_keyboard->answersPresses();
    if (waits) {
        const char* name = ModeCatalogue::info(m_keyboard->state().lighting().mode).name;
        m_hint->setText(tr("%1 answers key presses: type while the keyboard has the focus, or "
                           "click its keys.")
                            .arg(QCoreApplication::translate("LedModeUi", name)));
    }
    m_hint->setVisible(waits);
}
