// SPDX-License-Identifier: MIT
#include "host/window/wheelmarker.h"

#include "keylight/keylightwid.h"
#include "platform/toolkit/hsvcorwid.h"

WheelMarker::WheelMarker(KeyLightWid* page)
    : QObject(page)
    , m_panel(page)
    , m_wheel(page->findChild<HsvCorWid*>(QStringLiteral("m_hsvCorWid")))
{
    m_panel.onChange(this, [this] { follow(); });
}

void WheelMarker::follow()
{
    if (m_wheel)
        m_wheel->showColour(m_panel.colour());
}
