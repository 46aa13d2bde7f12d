// SPDX-License-Identifier: MIT
#include "colour/ledcolorwid.h"

#include "colour/groundbtn.h"
#include "colour/groundwid.h"
#include "keylight/lightcolor.h"
#include "keylight/modecatalogue.h"
#include "keylight/veil.h"
#include "platform/toolkit/focusring.h"
#include "platform/toolkit/hsvcorwid.h"
#include "ui_ledcolorwid.h"

#include <QButtonGroup>
#include <QLabel>

namespace {
// Text colours of the panel's own labels and the look of the R/G/B boxes. Labels with a
// style sheet of their own (the selector captions) keep theirs.
constexpr auto kPanelLook = "QLabel{color:@text;}"
                            "QSpinBox{color:@text;background:@control;"
                            "border:1px solid @controlBorderStrong;border-radius:2px;"
                            "selection-background-color:@accent;}"
                            "QSpinBox:focus{border:2px solid @focus;}"
                            "QSpinBox:disabled{color:gray;background:@controlDisabled;}";

const QColor kTurnedOffLayerColor(0, 0, 0, 255);
} // namespace

LedColorWid::LedColorWid(QWidget* parent)
    : TandelWid(parent)
    , ui(std::make_unique<Ui::LedColorUi>())
{
    addPanelStyle(kPanelLook);
    ui->setupUi(this);

    auto* groundGroup = new QButtonGroup(this);
    groundGroup->setExclusive(true);
    ui->m_foreBtn->setLabelText(tr("FOREGROUND"));
    ui->m_backBtn->setLabelText(tr("BACKGROUND"));
    groundGroup->addButton(ui->m_foreBtn, Ground::Foreground);
    groundGroup->addButton(ui->m_backBtn, Ground::Background);
    // The id signals: Qt 6 has no int overloads of buttonToggled and buttonClicked.
    connect(groundGroup, SIGNAL(idToggled(int,bool)), this,
            SLOT(slotGroundChanged(int,bool)));

    ui->m_foreWid->setGroundType(Ground::Foreground);
    ui->m_backWid->setGroundType(Ground::Background);

    connect(ui->m_hsvCorWid, SIGNAL(sigCurrentRgb(QColor)), this, SLOT(slotCurrentRgb(QColor)));
    connect(ui->m_hsvCorWid, SIGNAL(sigLeaveHsv()), this, SLOT(slotLeaveHsv()));
    connect(ui->m_hsvCorWid, SIGNAL(sigSelectCor(QColor)), this, SLOT(slotSelectCor(QColor)));

    for (GroundWid* page : {ui->m_foreWid, ui->m_backWid}) {
        connect(page, SIGNAL(sigBrightnessChanged(int)), ui->m_hsvCorWid,
                SLOT(slotBrightnessChanged(int)));
        connect(page, SIGNAL(sigLedColorChanged(QColor)), this,
                SLOT(slotLedColorChanged(QColor)));
    }

    nameControls();

    m_overlayLab = Veil::create(this, "m_overlayLab", this);
    m_overlayLab->resize(size());
    m_overlayLab->hide();
}

LedColorWid::~LedColorWid() = default;

void LedColorWid::nameControls()
{
    HsvCorWid* wheel = ui->m_hsvCorWid;
    wheel->setAccessibleName(tr("Colour wheel"));
    wheel->setAccessibleDescription(tr("Hue around the wheel, saturation outwards. The arrow "
                                       "keys move the pick point; Enter picks the colour."));
    wheel->setToolTip(tr("Pick a colour"));
    const struct
    {
        GroundBtn* button;
        QString name;
        QString tip;
    } selectors[] = {
        {ui->m_foreBtn, tr("Foreground colour"),
         tr("Edit the foreground colour. Drag its square onto a custom colour slot to keep "
            "it.")},
        {ui->m_backBtn, tr("Background colour"),
         tr("Edit the background colour. Drag its square onto a custom colour slot to keep "
            "it.")},
    };
    for (const auto& selector : selectors) {
        selector.button->setAccessibleName(selector.name);
        selector.button->setToolTip(selector.tip);
        // Its fixed look has no frame to show the focus with.
        new FocusRing(selector.button);
    }
}

void LedColorWid::setLight(const vantor_light& light)
{
    updateModeState(light.mode);

    const bool foreEnabled = ui->m_foreBtn->isEnabled();
    const bool backEnabled = ui->m_backBtn->isEnabled();
    if (foreEnabled) {
        // A per-key effect has no single colour; only its brightness is shown.
        if (ModeCatalogue::info(light.mode).preview == PreviewKind::PerKey) {
            ui->m_foreWid->setBrightness(light.fg_brightness);
        } else {
            const QColor fore = groundColor(light, Ground::Foreground);
            ui->m_foreWid->setColor(fore);
            ui->m_foreBtn->setColor(fore);
        }
    }
    if (backEnabled) {
        const QColor back = groundColor(light, Ground::Background);
        ui->m_backWid->setColor(back);
        ui->m_backBtn->setColor(back);
    }
    // The slider keeps showing the record's brightness when no colour applies.
    if (!foreEnabled && !backEnabled)
        ui->m_foreWid->setColor(QColor(0, 0, 0, light.fg_brightness));
    // Both pages announced their brightness to the wheel, the background last; the wheel
    // must show the edited ground's, since a pick carries it as the colour's brightness.
    ui->m_hsvCorWid->setBrightness(editedPage()->brightness());
}

void LedColorWid::setLayerColor(int iMode, const QColor& cor)
{
    slotMultilayerModeChanged(iMode);
    const QColor shown = iMode == Mode::Empty ? kTurnedOffLayerColor : cor;
    ui->m_foreBtn->setColor(shown);
    ui->m_foreWid->setColor(shown);
}

void LedColorWid::setCustomColors(const std::vector<custom_color>& vFore,
                                  const std::vector<custom_color>& vBack)
{
    ui->m_foreWid->loadCustomColors(vFore);
    ui->m_backWid->loadCustomColors(vBack);
}

void LedColorWid::setBrightness(int iValue)
{
    ui->m_foreWid->setBrightness(iValue);
}

void LedColorWid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_overlayLab->resize(size());
}

void LedColorWid::updateModeState(int iMode)
{
    switch (ModeCatalogue::info(iMode).colour) {
    case ColourClass::Fore:
    case ColourClass::ByLayer: // the multilayer effect opens on its foreground
        m_overlayLab->hide();
        ui->m_foreBtn->setGroundEnabled(true);
        ui->m_foreBtn->setChecked(true);
        ui->m_backBtn->setGroundEnabled(false);
        applyColourAreas(true, true, false);
        break;
    case ColourClass::None:
        m_overlayLab->hide();
        ui->m_foreBtn->setGroundEnabled(false);
        ui->m_backBtn->setGroundEnabled(false);
        applyColourAreas(false, false, false);
        break;
    case ColourClass::Both:
        m_overlayLab->hide();
        ui->m_foreBtn->setGroundEnabled(true);
        ui->m_backBtn->setGroundEnabled(true);
        applyColourAreas(true, true, true);
        break;
    case ColourClass::Veil:
        m_overlayLab->raise();
        m_overlayLab->show();
        break;
    case ColourClass::ByZone: // the current zone's effect arrives on its own
        break;
    }
}

void LedColorWid::applyColourAreas(bool bWheel, bool bFore, bool bBack)
{
    ui->m_hsvCorWid->setHsvEnabled(bWheel);
    ui->m_foreWid->setColorEnabled(bFore);
    ui->m_backWid->setColorEnabled(bBack);
}

GroundWid* LedColorWid::editedPage() const
{
    return ui->m_foreBtn->isChecked() ? ui->m_foreWid : ui->m_backWid;
}

void LedColorWid::slotLedModeChanged(int iModeIdx)
{
    ui->m_foreBtn->setChecked(true);
    updateModeState(iModeIdx);
}

void LedColorWid::slotMultilayerModeChanged(int iMode)
{
    // A layer has no background colour.
    ui->m_backBtn->setGroundEnabled(false);
    ui->m_backWid->setColorEnabled(false);

    if (ModeCatalogue::isColourless(iMode)) {
        m_overlayLab->hide();
        ui->m_hsvCorWid->setHsvEnabled(false);
        ui->m_foreBtn->setGroundEnabled(false);
        ui->m_foreWid->setColorEnabled(false);
    } else if (iMode == Mode::Empty) {
        m_overlayLab->raise();
        m_overlayLab->show();
    } else {
        m_overlayLab->hide();
        ui->m_hsvCorWid->setHsvEnabled(true);
        ui->m_foreBtn->setGroundEnabled(true);
        ui->m_foreWid->setColorEnabled(true);
    }
}

void LedColorWid::slotCurrMultilayerMode(int iSubModeIdx, int iMode)
{
    Q_UNUSED(iSubModeIdx)
    slotMultilayerModeChanged(iMode);
}

void LedColorWid::slotCurrMultizoneMode(int iSubModeIdx, int iMode)
{
    Q_UNUSED(iSubModeIdx)
    ui->m_foreBtn->setChecked(true);
    updateModeState(iMode);
}

void LedColorWid::slotCurrentRgb(QColor cor)
{
    editedPage()->setRgb(cor.red(), cor.green(), cor.blue());
}

void LedColorWid::slotLeaveHsv()
{
    editedPage()->refreshColor();
}

void LedColorWid::slotSelectCor(QColor cor)
{
    editedPage()->selectColor(cor);
}

void LedColorWid::slotLedColorChanged(QColor cor)
{
    if (ui->m_foreBtn->isChecked() && ui->m_foreBtn->isEnabled())
        ui->m_foreBtn->setColor(cor);
    if (ui->m_backBtn->isChecked() && ui->m_backBtn->isEnabled())
        ui->m_backBtn->setColor(cor);
    emit sigLedColorChanged(cor);
}

void LedColorWid::slotGroundChanged(int iGroundType, bool bChecked)
{
    if (!bChecked)
        return;
    ui->m_groundWid->setCurrentIndex(iGroundType);
    const GroundWid* page = iGroundType != Ground::Foreground ? ui->m_backWid : ui->m_foreWid;
    ui->m_hsvCorWid->setBrightness(page->brightness());
    emit sigLedGroundChanged(iGroundType);
}
