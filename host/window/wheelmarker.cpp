// SPDX-License-Identifier: MIT
#include "host/window/wheelmarker.h"

#include "keylight/keylightwid.h"
#include "platform/toolkit/hsvcorwid.h"

#include <QAbstractButton>

namespace {
const char* const kGroundButtons[] = {"m_foreBtn", "m_backBtn"};
} // namespace

WheelMarker::WheelMarker(KeyLightWid* page)
    : QObject(page)
    , m_panel(page)
    , m_wheel(page->findChild<HsvCorWid*>(QStringLiteral("m_hsvCorWid")))
{
    // Every change the user makes ends in a request; a colour typed into a box or taken
    // from a swatch, and a new effect with colours of its own, all do.
    connect(page, &KeyLightWid::sigSdkRequest, this, &WheelMarker::follow);
    for (const char* name : kGroundButtons) {
        if (auto* button = page->findChild<QAbstractButton*>(QLatin1String(name)))
            connect(button, &QAbstractButton::toggled, this, &WheelMarker::follow);
    }
}

void WheelMarker::follow()
{
    if (m_wheel)
        m_wheel->showColour(m_panel.colour());
}
