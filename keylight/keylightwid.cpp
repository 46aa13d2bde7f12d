// SPDX-License-Identifier: MIT
#include "keylight/keylightwid.h"

#include "colour/ledcolorwid.h"
#include "display/leddisplaywid.h"
#include "keylight/iparsevantor.h"
#include "keylight/ivantorprofilecfg.h"
#include "keylight/lightcolor.h"
#include "keylight/modecatalogue.h"
#include "mode/ledmodewid.h"
#include "platform/toolkit/msgbox.h"
#include "speed/ledspeedwid.h"
#include "ui_keylightwid.h"

#include <QPushButton>
#include <QResizeEvent>

// The form's layouts plus the page's panels and buttons, which are placed by
// resizeEvent rather than by the layouts.
struct KeyLightForm : Ui::KeyLightUi
{
    LedDisplayWid* m_ledDisplayWid = nullptr;
    LedColorWid* m_ledColorWid = nullptr;
    LedModeWid* m_ledModeWid = nullptr;
    LedSpeedWid* m_ledSpeedWid = nullptr;
    QPushButton* m_resetBtn = nullptr;
    QPushButton* m_applyBtn = nullptr;
};

namespace {
// Fractions of the page: the preview takes the top five sixths (starting an eighth above
// the top edge), the panels the bottom third, split into quarters of the width.
constexpr int kRowDivisor = 6;
constexpr int kPreviewLiftDivisor = 8;
constexpr int kColumnDivisor = 4;
constexpr int kPreviewRows = 5;
constexpr int kPanelTopRows = 4;
constexpr int kPanelRows = 2;

// Byte 0 of each of the four layer or zone records; a missing record counts as empty.
std::vector<uchar> subModeNumbers(const std::vector<vantor_light>& vMul)
{
    std::vector<uchar> modes(kSubModeCount, uchar(Mode::Empty));
    for (std::size_t i = 0; i < modes.size() && i < vMul.size(); ++i)
        modes[i] = vMul[i].mode;
    return modes;
}

bool validSubModeIndex(int index, const std::vector<vantor_light>& vMul)
{
    return index >= 0 && std::size_t(index) < vMul.size();
}

IVantorProfileCfg& store()
{
    return IVantorProfileCfg::Instance();
}
} // namespace

KeyLightWid::KeyLightWid(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<KeyLightForm>())
{
    ui->setupUi(this);

    // Creation order is stacking order: later panels lie on top of earlier ones.
    ui->m_ledDisplayWid = new LedDisplayWid(this);
    ui->m_ledColorWid = new LedColorWid(this);
    ui->m_ledModeWid = new LedModeWid(this);
    ui->m_ledSpeedWid = new LedSpeedWid(this);
    connectPanels();

    ui->m_resetBtn = new QPushButton(tr("RESET"), this);
    ui->m_applyBtn = new QPushButton(tr("APPLY"), this);
    connect(ui->m_resetBtn, SIGNAL(clicked(bool)), this, SLOT(slotReset()));
    connect(ui->m_applyBtn, SIGNAL(clicked(bool)), this, SLOT(slotApply()));
    ui->m_resetBtn->setToolTip(tr("Put this profile's lighting back to the factory settings"));
    ui->m_applyBtn->setToolTip(tr("Store this profile's lighting on the keyboard"));
    for (QPushButton* button : {ui->m_resetBtn, ui->m_applyBtn})
        button->setAccessibleDescription(button->toolTip());
}

KeyLightWid::~KeyLightWid()
{
    delete ui->m_ledDisplayWid;
    ui->m_ledDisplayWid = nullptr;
    delete ui->m_ledColorWid;
    ui->m_ledColorWid = nullptr;
    delete ui->m_ledModeWid;
    ui->m_ledModeWid = nullptr;
    delete ui->m_ledSpeedWid;
    ui->m_ledSpeedWid = nullptr;
}

void KeyLightWid::connectPanels()
{
    LedDisplayWid* display = ui->m_ledDisplayWid;
    LedColorWid* colour = ui->m_ledColorWid;
    LedModeWid* modes = ui->m_ledModeWid;
    LedSpeedWid* speed = ui->m_ledSpeedWid;

    // Qt calls receivers in connection order, so a mode click reaches the colour panel,
    // then the preview (which already sends the device request), and the speed panel last.
    connect(colour, SIGNAL(sigLedGroundChanged(int)), display, SLOT(slotLedGroundChanged(int)));
    connect(colour, SIGNAL(sigLedColorChanged(QColor)), display,
            SLOT(slotLedColorChanged(QColor)));
    connect(modes, SIGNAL(sigLedModeChanged(int)), colour, SLOT(slotLedModeChanged(int)));
    connect(modes, SIGNAL(sigCurrMultilayerMode(int,int)), colour,
            SLOT(slotCurrMultilayerMode(int,int)));
    connect(modes, SIGNAL(sigMultilayerModeChanged(int)), colour,
            SLOT(slotMultilayerModeChanged(int)));
    connect(modes, SIGNAL(sigCurrMultizoneMode(int,int)), colour,
            SLOT(slotCurrMultizoneMode(int,int)));
    connect(modes, SIGNAL(sigMultizoneModeChanged(int)), colour, SLOT(slotLedModeChanged(int)));
    connect(modes, SIGNAL(sigLedModeChanged(int)), display, SLOT(slotLedModeChanged(int)));
    connect(modes, SIGNAL(sigCurrMultilayerMode(int,int)), display,
            SLOT(slotCurrMultilayerMode(int)));
    connect(modes, SIGNAL(sigMultilayerModeChanged(int)), display,
            SIGNAL(sigMultilayerModeChanged(int)));
    connect(modes, SIGNAL(sigCurrMultizoneMode(int,int)), display,
            SLOT(slotCurrMultizoneMode(int)));
    connect(modes, SIGNAL(sigMultizoneModeChanged(int)), display,
            SIGNAL(sigMultizoneModeChanged(int)));
    connect(modes, SIGNAL(sigLedModeChanged(int)), speed, SLOT(slotLedModeChanged(int)));
    connect(modes, SIGNAL(sigCurrMultilayerMode(int, int)), speed,
            SLOT(slotCurrMultilayerMode(int, int)));
    connect(modes, SIGNAL(sigMultilayerModeChanged(int)), speed, SLOT(slotLedModeChanged(int)));
    connect(modes, SIGNAL(sigCurrMultizoneMode(int, int)), speed,
            SLOT(slotCurrMultizoneMode(int, int)));
    connect(modes, SIGNAL(sigMultizoneModeChanged(int)), speed, SLOT(slotLedModeChanged(int)));
    connect(speed, SIGNAL(sigLedSpeedChanged(int)), display, SLOT(slotLedSpeedChanged(int)));
    connect(speed, SIGNAL(sigLedDirectChanged(int)), display, SLOT(slotLedDirectChanged(int)));

    connect(display, &LedDisplayWid::sigUpdateModeParam, this, &KeyLightWid::slotUpdateModeParam);
    connect(display, &LedDisplayWid::sigUpdateCustomLed, this, &KeyLightWid::slotUpdateCustomLed);
    connect(display, &LedDisplayWid::sigUpdateMultilayer, this,
            &KeyLightWid::slotUpdateMultilayer);
    connect(display, &LedDisplayWid::sigUpdateMultizone, this,
            &KeyLightWid::slotUpdateMultizone);
}

void KeyLightWid::resizeEvent(QResizeEvent* event)
{
    Q_UNUSED(event)
    const int w = width();
    const int h = height();
    const int row = h / kRowDivisor;
    const int lift = h / kPreviewLiftDivisor;
    const int column = w / kColumnDivisor;
    const int halfColumn = column / 2;
    const int buttonHeight = ui->m_resetBtn->minimumHeight();
    const int panelTop = kPanelTopRows * row;
    const int panelHeight = kPanelRows * row;

    ui->m_ledDisplayWid->setGeometry(0, -lift, w, kPreviewRows * row);
    ui->m_ledColorWid->setGeometry(0, panelTop, 2 * column, panelHeight);
    ui->m_ledModeWid->setGeometry(2 * column, panelTop, column, panelHeight);
    ui->m_ledSpeedWid->setGeometry(3 * column, panelTop, column, panelHeight);
    ui->m_resetBtn->setGeometry(3 * column, panelTop - buttonHeight, halfColumn, buttonHeight);
    ui->m_applyBtn->setGeometry(3 * column + halfColumn, panelTop - buttonHeight, halfColumn,
                                buttonHeight);
}

void KeyLightWid::hideEvent(QHideEvent* event)
{
    Q_UNUSED(event)
    emit sigHide();
}

void KeyLightWid::slotApply()
{
    emit sigSdkRequest(Request::Apply, nullptr);
}

void KeyLightWid::slotReset()
{
    if (MsgBox::question(tr("Reset"), tr("Are you sure you want to reset?"), this) == 0)
        return;
    void* packet = nullptr;
    IParseVantor::Instance().buildReset(0, packet);
    emit sigSdkRequest(Request::Reset, packet);
}

void KeyLightWid::slotUpdateModeParam(const vantor_light& lp, bool bModeChanged)
{
    if (bModeChanged) {
        ui->m_ledColorWid->setLight(lp);
        ui->m_ledModeWid->setCurrMode(lp.mode);
        ui->m_ledSpeedWid->setModeParam(lp.mode, lp.speed, lp.direction);
    }
    void* packet = nullptr;
    IParseVantor::Instance().buildModeParam(lp, packet);
    emit sigSdkRequest(Request::ModeParam, packet);
}

void KeyLightWid::slotUpdateCustomLed(const vantor_light_custom& lc)
{
    ui->m_ledColorWid->setBrightness(lc.brightness);
    void* packet = nullptr;
    IParseVantor::Instance().buildCustomLed(lc, packet);
    emit sigSdkRequest(Request::CustomLed, packet);
}

void KeyLightWid::slotUpdateMultilayer(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                                       bool bToSDK)
{
    if (!validSubModeIndex(iCurrSubMode, vMul))
        return;
    const vantor_light& layer = vMul[std::size_t(iCurrSubMode)];
    ui->m_ledColorWid->setLayerColor(layer.mode, groundColor(layer));
    ui->m_ledModeWid->setCurrMode(Mode::Multilayer);
    ui->m_ledModeWid->setMultilayerModes(iCurrSubMode, subModeNumbers(vMul));
    ui->m_ledSpeedWid->setModeParam(layer.mode, layer.speed, layer.direction);
    if (!bToSDK)
        return;
    void* packet = nullptr;
    IParseVantor::Instance().buildMultilayer(vMul, packet);
    emit sigSdkRequest(Request::Multilayer, packet);
}

void KeyLightWid::slotUpdateMultizone(int iCurrSubMode, const std::vector<vantor_light>& vMul,
                                      const vantor_filter& filter, bool bToSDK)
{
    if (!validSubModeIndex(iCurrSubMode, vMul))
        return;
    const vantor_light& zone = vMul[std::size_t(iCurrSubMode)];
    ui->m_ledColorWid->setLight(zone);
    ui->m_ledModeWid->setCurrMode(Mode::Multizone);
    ui->m_ledModeWid->setMultizoneModes(iCurrSubMode, subModeNumbers(vMul));
    ui->m_ledSpeedWid->setModeParam(zone.mode, zone.speed, zone.direction);
    if (!bToSDK)
        return;
    void* packet = nullptr;
    IParseVantor::Instance().buildMultizone(vMul, filter, packet);
    emit sigSdkRequest(Request::Multizone, packet);
}

// Every read asks for the store anew: a host may install another one at any time.
void KeyLightWid::updateUi(uchar profile)
{
    const uchar mode = store().currentMode(profile);
    if (!ModeCatalogue::isKnown(mode))
        return;

    uchar layerIdx = 0;
    uchar zoneIdx = 0;
    std::vector<uchar> layerModes;
    std::vector<uchar> zoneModes;
    store().readMultilayerModes(profile, layerIdx, layerModes);
    store().readMultizoneModes(profile, zoneIdx, zoneModes);
    ui->m_ledModeWid->resetSubModes();
    ui->m_ledModeWid->setModeState(mode, layerIdx, layerModes, zoneIdx, zoneModes);
    ui->m_ledModeWid->updateSubPanels(mode);

    vantor_light record;
    store().readModeParam(profile, mode, record);
    switch (ModeCatalogue::info(mode).preview) {
    case PreviewKind::PerKey: {
        // The per-key effect keeps its brightness in the per-key record.
        vantor_light_custom custom;
        store().readCustomLed(profile, custom);
        record.fg_brightness = custom.brightness;
        ui->m_ledColorWid->setLight(record);
        break;
    }
    case PreviewKind::Layers:
        store().readMultilayerParam(profile, record);
        ui->m_ledColorWid->setLayerColor(record.mode, groundColor(record));
        break;
    case PreviewKind::Zones:
        store().readMultizoneParam(profile, record);
        ui->m_ledColorWid->setLight(record);
        break;
    case PreviewKind::Ordinary:
        ui->m_ledColorWid->setLight(record);
        break;
    }

    std::vector<custom_color> foreColors;
    std::vector<custom_color> backColors;
    store().readCustomColors(profile, Ground::Foreground, foreColors);
    store().readCustomColors(profile, Ground::Background, backColors);
    ui->m_ledColorWid->setCustomColors(foreColors, backColors);

    // For the layer and zone effects this is the current layer's or zone's own effect.
    ui->m_ledSpeedWid->setModeParam(record.mode, record.speed, record.direction);
    updateDisplay(profile, mode);
}

void KeyLightWid::updateDisplay(uchar profile, uchar mode)
{
    LedDisplayWid* display = ui->m_ledDisplayWid;

    std::vector<vantor_light> lights;
    store().readModeParams(profile, lights);
    display->setModeLights(lights);

    vantor_light_custom custom;
    store().readCustomLed(profile, custom);
    display->setCustomLight(custom);

    const uchar layerIdx = store().currentMultilayer(profile);
    std::vector<vantor_light> layers;
    store().readMultilayerParams(profile, layers);
    display->setMultilayer(layerIdx, layers);

    const uchar zoneIdx = store().currentMultizone(profile);
    std::vector<vantor_light> zones;
    vantor_filter filter;
    store().readMultizoneParams(profile, zones, filter);
    display->setMultizone(zoneIdx, zones, filter);

    display->setCurrMode(mode);
}
