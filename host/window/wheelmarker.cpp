// SPDX-License-Identifier: MIT
#include "host/window/wheelmarker.h"

#include "keylight/keylightwid.h"
#include "platform/toolkit/hsvcorwid.h"

#include <QAbstractButton>
#include <QSpinBox>

namespace {
// The colour panel's parts, by the object names its form gives them.
const char* const kGroundPages[] = {"m_foreWid", "m_backWid"};
const char* const kGroundButtons[] = {"m_foreBtn", "m_backBtn"};
const char* const kChannels[] = {"m_r", "m_g", "m_b"};
} // namespace

WheelMarker::WheelMarker(KeyLightWid* page)
    : QObject(page)
    , m_page(page)
    , m_wheel(page->findChild<HsvCorWid*>(QStringLiteral("m_hsvCorWid")))
    , m_grounds{page->findChild<QWidget*>(QLatin1String(kGroundPages[0])),
                page->findChild<QWidget*>(QLatin1String(kGroundPages[1]))}
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
    if (!m_wheel)
        return;
    for (QWidget* ground : m_grounds) {
        if (!ground || !ground->isVisibleTo(m_page))
            continue;
        int rgb[3] = {};
        for (int i = 0; i < 3; ++i) {
            const auto* box = ground->findChild<QSpinBox*>(QLatin1String(kChannels[i]));
            if (!box)
                return;
            rgb[i] = box->value();
        }
        m_wheel->showColour(QColor(rgb[0], rgb[1], rgb[2]));
        return;
    }
}
