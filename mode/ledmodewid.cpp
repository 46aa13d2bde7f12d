// SPDX-License-Identifier: MIT
#include "mode/ledmodewid.h"

#include "keylight/modecatalogue.h"
#include "keylight/vantor_types.h"
#include "mode/menubtn.h"
#include "mode/modeicon.h"
#include "mode/pickerarrow.h"
#include "mode/modecombox.h"
#include "ui_ledmodewid.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

namespace {
constexpr int kInitialMode = Mode::Static;
// Room kept around the current mode's button when the list scrolls to it.
constexpr int kScrollMargin = 50;

constexpr int kButtonMinHeight = 27;
constexpr int kButtonIconSide = 24;
constexpr int kButtonPointSize = 9;
constexpr auto kButtonFontFamily = "Oswald";
constexpr auto kButtonStyle = "min-height:25px;";

// The panel's own look. The buttons and pickers keep their own style sheets, which win
// where both set a property.
constexpr auto kListStyle =
    "QLabel{color:@text;}"
    "QScrollArea,#scrollAreaWidgetContents_2,#m_multilayerWid,#m_multizoneWid"
    "{background:transparent;border:none;}"
    "QPushButton{color:@text;background:@control;border:none;border-radius:3px;"
    "text-align:left;padding-left:8px;}"
    "QPushButton:hover{background:@controlHover;}"
    "QPushButton:checked{background:@accent;}"
    "ModeCombox{color:@text;background:rgb(81,81,81);border:none;border-radius:3px;"
    "min-height:23px;}"
    "ModeCombox::drop-down{border:none;width:18px;background:transparent;}"
    "QPushButton:focus,ModeCombox:focus{border:2px solid @focus;}"
    "ModeCombox QLineEdit{background:transparent;color:@text;border:none;}"
    "QScrollBar:vertical{background:@ground;width:8px;margin:0;}"
    "QScrollBar::handle:vertical{background:@scrollHandle;border-radius:4px;min-height:20px;}"
    "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0;}"
    "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}";

bool isPickerIndex(int iSubModeIdx, const std::vector<ModeCombox*>& vPickers)
{
    return iSubModeIdx >= 0 && std::size_t(iSubModeIdx) < vPickers.size();
}

void greyAllBut(const std::vector<ModeCombox*>& vPickers, int iSubModeIdx)
{
    for (std::size_t i = 0; i < vPickers.size(); ++i) {
        if (int(i) != iSubModeIdx)
            vPickers[i]->setSelected(false);
    }
}

// An effect in use by one layer or zone is withdrawn from the lists of all four, so no
// two layers or zones run the same effect.
void moveHiddenMode(const std::vector<ModeCombox*>& vPickers, int iOldMode, int iNewMode)
{
    for (ModeCombox* picker : vPickers) {
        picker->showMode(iOldMode);
        picker->hideMode(iNewMode);
    }
}

void showSubModes(const std::vector<ModeCombox*>& vPickers, int iCurrSubModeIdx,
                  const std::vector<uchar>& vModes)
{
    // Entries beyond the pickers have nowhere to be shown.
    const std::size_t shown = std::min(vModes.size(), vPickers.size());
    for (std::size_t i = 0; i < shown; ++i) {
        vPickers[i]->setCurrMode(vModes[i]);
        for (ModeCombox* picker : vPickers)
            picker->hideMode(vModes[i]);
    }
    // Each picker given a mode is grey unless it is the current one, which is purple. A
    // picker's look is set once, to its final state: restyling a picker relays its list.
    for (std::size_t i = 0; i < vPickers.size(); ++i) {
        const bool current = isPickerIndex(iCurrSubModeIdx, vPickers)
            && i == std::size_t(iCurrSubModeIdx);
        if (current || i < shown)
            vPickers[i]->setSelected(current);
    }
}
} // namespace

LedModeWid::LedModeWid(QWidget* parent)
    : TandelWid(parent)
    , ui(std::make_unique<Ui::LedModeUi>())
{
    addPanelStyle(kListStyle);
    ui->setupUi(this);

    m_btnGroup = new QButtonGroup(this);
    m_btnGroup->setExclusive(true);
    buildModeButtons();
    // idClicked: Qt 6 has no int overload of buttonClicked.
    connect(m_btnGroup, SIGNAL(idClicked(int)), this, SLOT(slotLedModeChanged(int)));

    createSubModePickers();
    // The buttons inside take the focus, and the area scrolls to the focused one; the area
    // itself would only be a stop that does nothing.
    ui->scrollArea->setFocusPolicy(Qt::NoFocus);
}

LedModeWid::~LedModeWid() = default;

void LedModeWid::buildModeButtons()
{
    // The form carries the frame and the two sub-panels; the buttons come from the
    // catalogue, each sub-panel directly under the button that folds it out.
    int row = 0;
    for (int mode : ModeCatalogue::listOrder()) {
        QPushButton* button = createModeButton(ModeCatalogue::info(mode));
        ui->m_modeLayout->insertWidget(row++, button);
        m_btnGroup->addButton(button, mode);
        if (QWidget* subPanel = subPanelOf(mode)) {
            ui->m_modeLayout->removeWidget(subPanel);
            ui->m_modeLayout->insertWidget(row++, subPanel);
        }
    }
    m_btnGroup->button(kInitialMode)->setChecked(true);
}

QPushButton* LedModeWid::createModeButton(const ModeInfo& info)
{
    QWidget* contents = ui->scrollAreaWidgetContents_2;
    QPushButton* button =
        subPanelOf(info.mode) ? new MenuBtn(contents) : new QPushButton(contents);
    button->setObjectName(QString::fromLatin1(info.buttonObject));

    QSizePolicy policy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    policy.setHeightForWidth(button->sizePolicy().hasHeightForWidth());
    button->setSizePolicy(policy);
    button->setMinimumSize(QSize(0, kButtonMinHeight));
    button->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    QFont font;
    font.setFamily(QString::fromLatin1(kButtonFontFamily));
    font.setPointSize(kButtonPointSize);
    button->setFont(font);
    button->setStyleSheet(QString::fromLatin1(kButtonStyle));

    button->setIcon(modeIcon(info.mode));
    button->setIconSize(QSize(kButtonIconSide, kButtonIconSide));
    button->setCheckable(true);
    button->setText(QCoreApplication::translate("LedModeUi", info.name));
    const QString summary = QCoreApplication::translate("LedModeWid", info.summary);
    button->setToolTip(summary);
    button->setAccessibleDescription(summary);
    return button;
}

void LedModeWid::createSubModePickers()
{
    // Given here, not in the panel's style: a picker restyled for its selection would
    // otherwise take the font anew each time and lay out its whole list again.
    QFont pickerFont = font();
    pickerFont.setPointSize(kButtonPointSize);
    for (int i = 0; i < kSubModeCount; ++i) {
        auto* layer = new ModeCombox(i, this);
        layer->setFont(pickerFont);
        layer->setNameFormat(tr("Layer %1: %2"));
        new PickerArrow(layer);
        connect(layer, SIGNAL(sigClicked(int)), this, SLOT(slotMultilayerModeSel(int)));
        connect(layer, SIGNAL(sigSubModeChanged(int,int)), this,
                SLOT(slotMultilayerSubModeChanged(int,int)));
        ui->verticalLayout_6->addWidget(layer);
        m_vMultilayerCombox.push_back(layer);

        auto* zone = new ModeCombox(i, this);
        zone->setFont(pickerFont);
        zone->setNameFormat(tr("Zone %1: %2"));
        new PickerArrow(zone);
        connect(zone, SIGNAL(sigClicked(int)), this, SLOT(slotMultizoneModeSel(int)));
        connect(zone, SIGNAL(sigSubModeChanged(int,int)), this,
                SLOT(slotMultizoneSubModeChanged(int,int)));
        ui->verticalLayout_7->addWidget(zone);
        m_vMultizoneCombox.push_back(zone);
    }
}

QWidget* LedModeWid::subPanelOf(int iMode) const
{
    switch (iMode) {
    case Mode::Multilayer:
        return ui->m_multilayerWid;
    case Mode::Multizone:
        return ui->m_multizoneWid;
    default:
        return nullptr;
    }
}

void LedModeWid::setCurrMode(int iMode)
{
    QAbstractButton* button = m_btnGroup->button(iMode);
    if (!button)
        return;
    button->setChecked(true);
    ui->scrollArea->ensureWidgetVisible(button, kScrollMargin, kScrollMargin);
    // The layer and zone data arrive with their own mode; their panel stays as the user
    // left it.
    if (!subPanelOf(iMode))
        updateSubPanels(iMode);
}

void LedModeWid::setMultilayerModes(int iCurrSubModeIdx, const std::vector<uchar>& vModes)
{
    showSubModes(m_vMultilayerCombox, iCurrSubModeIdx, vModes);
}

void LedModeWid::setMultizoneModes(int iCurrSubModeIdx, const std::vector<uchar>& vModes)
{
    showSubModes(m_vMultizoneCombox, iCurrSubModeIdx, vModes);
}

void LedModeWid::resetSubModes()
{
    for (const auto* vPickers : {&m_vMultilayerCombox, &m_vMultizoneCombox}) {
        for (ModeCombox* picker : *vPickers)
            picker->showAllModes();
    }
}

void LedModeWid::setModeState(int iMode, int iMultilayerIdx,
                              const std::vector<uchar>& vMultilayerModes, int iMultizoneIdx,
                              const std::vector<uchar>& vMultizoneModes)
{
    setMultilayerModes(iMultilayerIdx, vMultilayerModes);
    setMultizoneModes(iMultizoneIdx, vMultizoneModes);
    setCurrMode(iMode);
}

void LedModeWid::updateSubPanels(int iMode)
{
    QWidget* target = subPanelOf(iMode);
    for (QWidget* subPanel : {ui->m_multilayerWid, ui->m_multizoneWid}) {
        if (subPanel != target)
            subPanel->hide();
    }
    if (target)
        target->setVisible(!target->isVisible());
}

void LedModeWid::slotLedModeChanged(int iMode)
{
    updateSubPanels(iMode);
    emit sigLedModeChanged(iMode);
}

void LedModeWid::slotMultilayerModeSel(int iSubModeIdx)
{
    if (!isPickerIndex(iSubModeIdx, m_vMultilayerCombox))
        return;
    greyAllBut(m_vMultilayerCombox, iSubModeIdx);
    emit sigCurrMultilayerMode(iSubModeIdx,
                               m_vMultilayerCombox[std::size_t(iSubModeIdx)]->currMode());
}

void LedModeWid::slotMultizoneModeSel(int iSubModeIdx)
{
    if (!isPickerIndex(iSubModeIdx, m_vMultizoneCombox))
        return;
    greyAllBut(m_vMultizoneCombox, iSubModeIdx);
    emit sigCurrMultizoneMode(iSubModeIdx,
                              m_vMultizoneCombox[std::size_t(iSubModeIdx)]->currMode());
}

void LedModeWid::slotMultilayerSubModeChanged(int iOldMode, int iNewMode)
{
    moveHiddenMode(m_vMultilayerCombox, iOldMode, iNewMode);
    emit sigMultilayerModeChanged(iNewMode);
}

void LedModeWid::slotMultizoneSubModeChanged(int iOldMode, int iNewMode)
{
    moveHiddenMode(m_vMultizoneCombox, iOldMode, iNewMode);
    emit sigMultizoneModeChanged(iNewMode);
}
