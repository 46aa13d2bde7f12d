// SPDX-License-Identifier: MIT
#include "colour/groundwid.h"

#include "keylight/ivantorprofilecfg.h"
#include "platform/toolkit/colorbtn.h"
#include "platform/toolkit/focusring.h"
#include "platform/toolkit/msgbox.h"
#include "platform/toolkit/stylesheet.h"
#include "ui_groundwid.h"

#include <QButtonGroup>
#include <QSignalBlocker>

#include <iterator>

namespace {
constexpr int kMaxBrightness = 255;
// The integer the toolkit takes with a slot's colour: slots are painted fully opaque,
// so a dim colour still shows its hue.
constexpr int kSlotPaintAlpha = 255;

const QColor kPresetColors[] = {
    QColor(Qt::red),
    QColor(255, 128, 0),
    QColor(Qt::yellow),
    QColor(Qt::green),
    QColor(Qt::cyan),
    QColor(Qt::blue),
    QColor(215, 82, 255),
};

constexpr auto kEnabledAreaStyle = "color:white";
constexpr auto kDisabledAreaStyle = "color:gray";

bool profileHasSlots(uchar profile)
{
    return profile < kProfileCount;
}
} // namespace

GroundWid::GroundWid(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::GroundUi>())
{
    ui->setupUi(this);
    m_iGroundType = Ground::Foreground;
    createPresets();
    createCustomSlots();
    ui->m_brightness->setValue(kMaxBrightness);
    nameControls();

    for (QSpinBox* box : {ui->m_r, ui->m_g, ui->m_b}) {
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this,
                &GroundWid::slotLedColorChanged);
    }
    connect(ui->m_brightness, &QSlider::valueChanged, this, &GroundWid::slotBrightnessChanged);
}

GroundWid::~GroundWid() = default;

void GroundWid::createPresets()
{
    auto* presetGroup = new QButtonGroup(this);
    presetGroup->setExclusive(false);
    int number = 0;
    for (const QColor& color : kPresetColors) {
        auto* button = new ColorBtn(color, this);
        button->setLabel(tr("Preset colour %1").arg(++number));
        presetGroup->addButton(button);
        ui->m_presetCorLayout->addWidget(button);
    }
    connect(presetGroup, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this,
            &GroundWid::slotPresetCorSel);
}

void GroundWid::createCustomSlots()
{
    m_customGroup = new QButtonGroup(this);
    for (int id = 0; id < kCustomColorSlots; ++id) {
        auto* button = new ColorBtn(QColor(Qt::transparent), kSlotPaintAlpha, this);
        button->setLabel(tr("Custom colour %1").arg(id + 1));
        button->reset();
        connect(button, &ColorBtn::sigUpdateColor, this, &GroundWid::slotUpdateCustomColor);
        m_customGroup->addButton(button, id);
        ui->m_customCorLayout->addWidget(button);
        button->setAcceptDrops(true);
    }
    m_customGroup->setExclusive(false);
    connect(m_customGroup, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this,
            &GroundWid::slotCustomCorSel);
}

void GroundWid::nameControls()
{
    const struct
    {
        QSpinBox* box;
        QString name;
    } boxes[] = {{ui->m_r, tr("Red")}, {ui->m_g, tr("Green")}, {ui->m_b, tr("Blue")}};
    for (const auto& entry : boxes) {
        entry.box->setAccessibleName(entry.name);
        entry.box->setToolTip(tr("%1, 0 to 255").arg(entry.name));
    }
    ui->m_brightness->setAccessibleName(tr("Brightness"));
    // The slider's fixed look has no frame to show the focus with.
    new FocusRing(ui->m_brightness);
    showBrightnessTip();
}

// The slider is often set with its signals blocked, so the tip follows it from here.
void GroundWid::showBrightnessTip()
{
    ui->m_brightness->setToolTip(
        tr("Brightness: %1 of %2").arg(ui->m_brightness->value()).arg(kMaxBrightness));
}

void GroundWid::setGroundType(int iGroundType)
{
    m_iGroundType = iGroundType;
}

void GroundWid::setColorEnabled(bool b)
{
    ui->m_corWid->setEnabled(b);
    StyleSheet::apply(ui->m_corWid,
                      QString::fromLatin1(b ? kEnabledAreaStyle : kDisabledAreaStyle));
}

void GroundWid::setRgb(int r, int g, int b)
{
    ui->m_r->setValWithoutSig(r);
    ui->m_g->setValWithoutSig(g);
    ui->m_b->setValWithoutSig(b);
}

void GroundWid::setColor(const QColor& cor)
{
    m_cor = cor;
    refreshColor();
}

void GroundWid::selectColor(const QColor& cor)
{
    m_cor = cor;
    refreshColor();
    emit sigLedColorChanged(m_cor);
}

void GroundWid::setBrightness(int iValue)
{
    {
        const QSignalBlocker blocker(ui->m_brightness);
        ui->m_brightness->setValue(iValue);
    }
    showBrightnessTip();
    emit sigBrightnessChanged(iValue);
}

int GroundWid::brightness() const
{
    return ui->m_brightness->value();
}

void GroundWid::refreshColor()
{
    setRgb(m_cor.red(), m_cor.green(), m_cor.blue());
    const int alpha = m_cor.alpha();
    {
        const QSignalBlocker blocker(ui->m_brightness);
        ui->m_brightness->setValue(alpha);
    }
    showBrightnessTip();
    emit sigBrightnessChanged(alpha);
}

void GroundWid::loadCustomColors(const std::vector<custom_color>& vCor)
{
    const uchar profile = IVantorProfileCfg::Instance().currentProfile();
    if (!profileHasSlots(profile))
        return;
    const QList<QAbstractButton*> buttons = m_customGroup->buttons();
    if (vCor.size() != std::size_t(buttons.size()))
        return;

    for (int id = 0; id < int(vCor.size()); ++id) {
        auto* button = static_cast<ColorBtn*>(m_customGroup->button(id));
        const custom_color& slot = vCor[std::size_t(id)];
        if (slot.flag != 0)
            button->setColor(QColor(slot.red, slot.green, slot.blue, slot.alpha));
        else
            button->reset();
    }
    // Written back so the list shown is the one stored under the current profile.
    IVantorProfileCfg::Instance().writeCustomColors(profile, m_iGroundType, vCor);
}

void GroundWid::slotPresetCorSel(QAbstractButton* btn)
{
    auto* button = qobject_cast<ColorBtn*>(btn);
    if (!button)
        return;
    m_cor = button->getColor();
    refreshColor();
    emit sigLedColorChanged(m_cor);
}

void GroundWid::slotCustomCorSel(QAbstractButton* btn)
{
    auto* button = qobject_cast<ColorBtn*>(btn);
    if (!button)
        return;
    // The toolkit shows a text only on an empty slot.
    if (!button->text().isEmpty()) {
        MsgBox::information(tr("Information"),
                            tr("Please drag color to here from background or foreground"),
                            this);
        return;
    }
    const QColor color = button->getColor();
    if (color == QColor(Qt::transparent))
        return;
    m_cor = color;
    refreshColor();
    emit sigLedColorChanged(m_cor);
}

void GroundWid::slotUpdateCustomColor()
{
    const uchar profile = IVantorProfileCfg::Instance().currentProfile();
    if (!profileHasSlots(profile))
        return;

    std::vector<custom_color> vCor;
    vCor.reserve(std::size_t(kCustomColorSlots));
    for (int id = 0; id < kCustomColorSlots; ++id) {
        const auto* button = static_cast<const ColorBtn*>(m_customGroup->button(id));
        const QColor& color = button->getColor();
        custom_color slot;
        if (color != QColor(Qt::transparent)) {
            slot.flag = 1;
            slot.red = uchar(color.red());
            slot.green = uchar(color.green());
            slot.blue = uchar(color.blue());
            slot.alpha = uchar(color.alpha());
        }
        vCor.push_back(slot);
    }
    IVantorProfileCfg::Instance().writeCustomColors(profile, m_iGroundType, vCor);
}

// The colour the page holds keeps its own components: a colour never given reads black, and
// the boxes and the slider do not stand in for it.
void GroundWid::slotBrightnessChanged(int iValue)
{
    m_cor.setAlpha(iValue);
    refreshColor();
    emit sigLedColorChanged(m_cor);
}

void GroundWid::slotLedColorChanged()
{
    m_cor = QColor(ui->m_r->value(), ui->m_g->value(), ui->m_b->value(), m_cor.alpha());
    emit sigLedColorChanged(m_cor);
}
