// SPDX-License-Identifier: MIT
#include "host/window/colourpanelview.h"

#include "keylight/keylightwid.h"

#include <QAbstractButton>
#include <QSlider>
#include <QSpinBox>

namespace {
// The colour panel's parts, by the object names its forms give them.
const char* const kGroundPages[] = {"m_foreWid", "m_backWid"};
const char* const kGroundButtons[] = {"m_foreBtn", "m_backBtn"};
const char* const kChannels[] = {"m_r", "m_g", "m_b"};
constexpr auto kBrightnessSlider = "m_brightness";
constexpr int kChannelCount = 3;
} // namespace

ColourPanelView::ColourPanelView(KeyLightWid* page)
    : m_page(page)
    , m_grounds{page->findChild<QWidget*>(QLatin1String(kGroundPages[0])),
                page->findChild<QWidget*>(QLatin1String(kGroundPages[1]))}
{
}

QWidget* ColourPanelView::shownGround() const
{
    for (QWidget* ground : m_grounds) {
        if (ground && ground->isVisibleTo(m_page))
            return ground;
    }
    return nullptr;
}

QSpinBox* ColourPanelView::channel(QWidget* ground, int index) const
{
    return ground ? ground->findChild<QSpinBox*>(QLatin1String(kChannels[index])) : nullptr;
}

QSlider* ColourPanelView::slider(QWidget* ground) const
{
    return ground ? ground->findChild<QSlider*>(QLatin1String(kBrightnessSlider)) : nullptr;
}

QColor ColourPanelView::colour() const
{
    QWidget* ground = shownGround();
    int rgb[kChannelCount] = {};
    for (int i = 0; i < kChannelCount; ++i) {
        const QSpinBox* box = channel(ground, i);
        if (!box)
            return {};
        rgb[i] = box->value();
    }
    return QColor(rgb[0], rgb[1], rgb[2]);
}

int ColourPanelView::brightness() const
{
    const QSlider* brightness = slider(shownGround());
    return brightness ? brightness->value() : -1;
}

bool ColourPanelView::typeColour(const QColor& colour)
{
    QWidget* ground = shownGround();
    const int rgb[kChannelCount] = {colour.red(), colour.green(), colour.blue()};
    for (int i = 0; i < kChannelCount; ++i) {
        QSpinBox* box = channel(ground, i);
        if (!box || !box->isEnabled())
            return false;
        box->setValue(rgb[i]);
    }
    return true;
}

bool ColourPanelView::setBrightness(int brightness)
{
    QSlider* target = slider(shownGround());
    if (!target || !target->isEnabled())
        return false;
    target->setValue(brightness);
    return true;
}

void ColourPanelView::onChange(QObject* context, std::function<void()> changed) const
{
    QObject::connect(m_page, &KeyLightWid::sigSdkRequest, context, [changed] { changed(); });
    for (const char* name : kGroundButtons) {
        if (auto* button = m_page->findChild<QAbstractButton*>(QLatin1String(name)))
            QObject::connect(button, &QAbstractButton::toggled, context, changed);
    }
    // A colour picked for the per-key page sends nothing until keys are painted with it,
    // so the boxes and the slider themselves are watched too.
    for (QWidget* ground : m_grounds) {
        for (int i = 0; i < kChannelCount; ++i) {
            if (QSpinBox* box = channel(ground, i))
                QObject::connect(box, qOverload<int>(&QSpinBox::valueChanged), context, changed);
        }
        if (QSlider* brightness = slider(ground))
            QObject::connect(brightness, &QSlider::valueChanged, context, changed);
    }
}
