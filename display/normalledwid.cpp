// SPDX-License-Identifier: MIT
#include "display/normalledwid.h"

#include "display/ledlabel.h"
#include "keylight/lightcolor.h"
#include "keylight/modecatalogue.h"
#include "ui_normalledwid.h"

namespace {
const QString kBorderPix = QStringLiteral(":/KeyLight/key_border.png");
const QString kFillPix = QStringLiteral(":/KeyLight/key_fill.png");
constexpr int kFillLevel = 50;

void clearColours(vantor_light& light)
{
    light.fg_r = light.fg_g = light.fg_b = 0;
    light.bg_r = light.bg_g = light.bg_b = 0;
}
} // namespace

NormalLedWid::NormalLedWid(int iMode, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::NormalLedUi>())
{
    ui->setupUi(this);
    m_light.mode = uchar(iMode);
    // The two-colour effects always carry their background.
    m_light.bg_flag = ModeCatalogue::usesBackground(iMode) ? 1 : 0;

    // Created second, the cap layer lies above the outline layer.
    m_borderLab = new LedLabel(kBorderPix, LedLabel::kOutlineLevel, this);
    m_borderLab->setObjectName(QStringLiteral("m_borderLab"));
    m_fillLab = new LedLabel(kFillPix, kFillLevel, this);
    m_fillLab->setObjectName(QStringLiteral("m_fillLab"));
}

NormalLedWid::~NormalLedWid() = default;

bool NormalLedWid::isMine(int iMode) const
{
    return iMode == m_light.mode;
}

void NormalLedWid::setLight(const vantor_light& lp)
{
    m_light = lp;
    if (ModeCatalogue::usesBackground(m_light.mode))
        m_light.bg_flag = 1;
    m_light.fg_flag = 0;
    m_light.flag12 = 0;
    // The device draws these effects' colours itself; stored colours would mislead.
    if (ModeCatalogue::isColourless(m_light.mode))
        clearColours(m_light);
    updateColor();
}

void NormalLedWid::updateColor()
{
    const QColor cor = groundColor(m_light, m_iGroundType);
    m_borderLab->setColor(cor);
    m_fillLab->setColor(cor);
}

void NormalLedWid::slotLedModeChanged(int iMode)
{
    if (!isMine(iMode))
        return;
    updateColor();
    emit sigUpdateModeParam(m_light, true);
}

void NormalLedWid::slotLedGroundChanged(int iMode, int iGroundType)
{
    if (!isMine(iMode))
        return;
    m_iGroundType = iGroundType;
    updateColor();
}

void NormalLedWid::slotLedColorChanged(int iMode, const QColor& cor)
{
    if (!isMine(iMode))
        return;
    setGroundColor(m_light, m_iGroundType, cor);
    updateColor();
    emit sigUpdateModeParam(m_light, false);
}

void NormalLedWid::slotLedSpeedChanged(int iMode, int iSpeed)
{
    if (!isMine(iMode))
        return;
    m_light.speed = uchar(iSpeed);
    emit sigUpdateModeParam(m_light, false);
}

void NormalLedWid::slotLedDirectChanged(int iMode, int iDirect)
{
    if (!isMine(iMode))
        return;
    m_light.direction = uchar(iDirect);
    emit sigUpdateModeParam(m_light, false);
}

void NormalLedWid::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_borderLab->resizeMask(size());
    m_fillLab->resizeMask(size());
}
