// SPDX-License-Identifier: MIT
#include "display/leddisplaywid.h"

#include "display/customledwid.h"
#include "display/multilayerwid.h"
#include "display/multizonewid.h"
#include "display/normalledwid.h"
#include "ui_leddisplaywid.h"

#include <QStackedWidget>

#include <algorithm>

namespace {
const QString kBackgroundPix = QStringLiteral(":/KeyLight/key_background.png");

PreviewKind previewOf(int iMode)
{
    return ModeCatalogue::info(iMode).preview;
}

// The hub hands the pages layer and zone indices as one byte; anything else names no
// layer or zone.
bool isSubModeIndex(int index)
{
    return index >= 0 && index < kSubModeCount;
}
} // namespace

LedDisplayWid::LedDisplayWid(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::LedDisplayUi>())
{
    ui->setupUi(this);
    m_stackedWid = new QStackedWidget(this);
    m_backgroundPix.load(kBackgroundPix);

    // Page index equals mode number; every page lives as long as the hub.
    for (int iMode = 0; iMode < Mode::Count; ++iMode) {
        switch (previewOf(iMode)) {
        case PreviewKind::PerKey:
            addCustomPage();
            break;
        case PreviewKind::Layers:
            addMultilayerPage();
            break;
        case PreviewKind::Zones:
            addMultizonePage();
            break;
        case PreviewKind::Ordinary:
            addOrdinaryPage(iMode);
            break;
        }
    }
}

LedDisplayWid::~LedDisplayWid() = default;

void LedDisplayWid::addOrdinaryPage(int iMode)
{
    auto* page = new NormalLedWid(iMode, this);
    connect(this, &LedDisplayWid::sigLedModeChanged, page, &NormalLedWid::slotLedModeChanged);
    connect(this, &LedDisplayWid::sigLedGroundChanged, page,
            &NormalLedWid::slotLedGroundChanged);
    connect(this, &LedDisplayWid::sigLedColorChanged, page, &NormalLedWid::slotLedColorChanged);
    connect(this, &LedDisplayWid::sigLedSpeedChanged, page, &NormalLedWid::slotLedSpeedChanged);
    connect(this, &LedDisplayWid::sigLedDirectChanged, page,
            &NormalLedWid::slotLedDirectChanged);
    connect(page, &NormalLedWid::sigUpdateModeParam, this, &LedDisplayWid::sigUpdateModeParam);
    m_normalPages[std::size_t(iMode)] = page;
    m_stackedWid->addWidget(page);
}

void LedDisplayWid::addCustomPage()
{
    m_customLedWid = new CustomLedWid(this);
    connect(m_customLedWid, &CustomLedWid::sigUpdateCustomLed, this,
            &LedDisplayWid::sigUpdateCustomLed);
    m_stackedWid->addWidget(m_customLedWid);
}

void LedDisplayWid::addMultilayerPage()
{
    m_multilayerWid = new MultilayerWid(this);
    connect(m_multilayerWid, &MultilayerWid::sigUpdateMultilayer, this,
            &LedDisplayWid::sigUpdateMultilayer);
    connect(this, &LedDisplayWid::sigCurrMultilayerMode, m_multilayerWid,
            &MultilayerWid::slotCurrMultilayerMode);
    connect(this, &LedDisplayWid::sigMultilayerModeChanged, m_multilayerWid,
            &MultilayerWid::slotMultilayerModeChanged);
    m_stackedWid->addWidget(m_multilayerWid);
}

void LedDisplayWid::addMultizonePage()
{
    m_multizoneWid = new MultizoneWid(this);
    connect(m_multizoneWid, &MultizoneWid::sigUpdateMultizone, this,
            &LedDisplayWid::sigUpdateMultizone);
    connect(this, &LedDisplayWid::sigCurrMultizoneMode, m_multizoneWid,
            &MultizoneWid::slotCurrMultizoneMode);
    connect(this, &LedDisplayWid::sigMultizoneModeChanged, m_multizoneWid,
            &MultizoneWid::slotMultizoneModeChanged);
    m_stackedWid->addWidget(m_multizoneWid);
}

void LedDisplayWid::setCustomLight(const vantor_light_custom& lc)
{
    m_customLedWid->setCustomLight(lc);
}

// Each record goes to the page of its own mode; records that no ordinary page shows are
// skipped.
void LedDisplayWid::setModeLights(const std::vector<vantor_light>& vLights)
{
    for (const vantor_light& light : vLights) {
        if (ModeCatalogue::isOrdinary(light.mode))
            m_normalPages[light.mode]->setLight(light);
    }
}

void LedDisplayWid::setCurrMode(int iMode)
{
    m_iCurrMode = iMode;
    m_stackedWid->setCurrentIndex(iMode);
}

void LedDisplayWid::setMultilayer(int iCurrSubMode, const std::vector<vantor_light>& vMul)
{
    if (isSubModeIndex(iCurrSubMode))
        m_multilayerWid->setMultilayer(uchar(iCurrSubMode), vMul);
}

void LedDisplayWid::setMultizone(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                                 const vantor_filter& filter)
{
    if (isSubModeIndex(iCurrSubMode))
        m_multizoneWid->setMultizone(uchar(iCurrSubMode), vMul, filter);
}

// The stack is centred on the picture's size; it may reach past the left edge, never
// past the top.
void LedDisplayWid::resizeEvent(QResizeEvent* event)
{
    QLabel* label = ui->m_backgroundLab;
    label->setFixedSize(m_backgroundPix.size());
    label->setPixmap(m_backgroundPix);
    const int x = (width() - label->width()) / 2;
    const int y = std::max((height() - label->height()) / 2, 0);
    m_stackedWid->setGeometry(x, y, label->width(), label->height());
    QWidget::resizeEvent(event);
}

void LedDisplayWid::slotLedModeChanged(int iMode)
{
    m_iCurrMode = iMode;
    m_stackedWid->setCurrentIndex(iMode);
    switch (previewOf(iMode)) {
    case PreviewKind::PerKey: {
        const vantor_light_custom lc = m_customLedWid->customLight();
        emit sigUpdateCustomLed(lc);
        break;
    }
    case PreviewKind::Layers: {
        uchar iCurrSubMode = 0;
        std::vector<vantor_light> vMul;
        m_multilayerWid->getMultilayer(iCurrSubMode, vMul);
        emit sigUpdateMultilayer(iCurrSubMode, vMul, true);
        break;
    }
    case PreviewKind::Zones: {
        uchar iCurrSubMode = 0;
        std::vector<vantor_light> vMul;
        vantor_filter filter;
        m_multizoneWid->getMultizone(iCurrSubMode, vMul, filter);
        emit sigUpdateMultizone(iCurrSubMode, vMul, filter, true);
        break;
    }
    case PreviewKind::Ordinary:
        emit sigLedModeChanged(iMode);
        break;
    }
}

// Only the multizone page has its own foreground and background; the per-key and layer
// pages ignore the choice, and the broadcast reaches no page for them.
void LedDisplayWid::slotLedGroundChanged(int iGroundType)
{
    if (previewOf(m_iCurrMode) == PreviewKind::Zones)
        m_multizoneWid->setLedGround(iGroundType);
    else
        emit sigLedGroundChanged(m_iCurrMode, iGroundType);
}

void LedDisplayWid::slotLedColorChanged(const QColor& cor)
{
    switch (previewOf(m_iCurrMode)) {
    case PreviewKind::PerKey:
        m_customLedWid->setLedColor(cor);
        break;
    case PreviewKind::Layers:
        m_multilayerWid->setLedColor(cor);
        break;
    case PreviewKind::Zones:
        m_multizoneWid->setLedColor(cor);
        break;
    case PreviewKind::Ordinary:
        emit sigLedColorChanged(m_iCurrMode, cor);
        break;
    }
}

void LedDisplayWid::slotLedSpeedChanged(int iSpeed)
{
    switch (previewOf(m_iCurrMode)) {
    case PreviewKind::Layers:
        m_multilayerWid->setLedSpeed(iSpeed);
        break;
    case PreviewKind::Zones:
        m_multizoneWid->setLedSpeed(iSpeed);
        break;
    case PreviewKind::PerKey:
    case PreviewKind::Ordinary:
        emit sigLedSpeedChanged(m_iCurrMode, iSpeed);
        break;
    }
}

void LedDisplayWid::slotLedDirectChanged(int iDirect)
{
    switch (previewOf(m_iCurrMode)) {
    case PreviewKind::Layers:
        m_multilayerWid->setLedDirect(iDirect);
        break;
    case PreviewKind::Zones:
        m_multizoneWid->setLedDirect(iDirect);
        break;
    case PreviewKind::PerKey:
    case PreviewKind::Ordinary:
        emit sigLedDirectChanged(m_iCurrMode, iDirect);
        break;
    }
}

void LedDisplayWid::slotCurrMultilayerMode(int iSubModeIdx)
{
    emit sigCurrMultilayerMode(iSubModeIdx);
}

void LedDisplayWid::slotCurrMultizoneMode(int iSubModeIdx)
{
    emit sigCurrMultizoneMode(iSubModeIdx);
}
