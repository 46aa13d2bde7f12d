// SPDX-License-Identifier: MIT
#include "display/multizonewid.h"

#include "display/ledkeybtn.h"
#include "keylight/lightcolor.h"
#include "keylight/modecatalogue.h"

#include <QMouseEvent>

#include <algorithm>

MultizoneWid::MultizoneWid(QWidget* parent)
    : QWidget(parent)
    , m_keyboard(this, "MultizoneUi", tr("Zone keys"),
                 tr("Drag over keys to add them to the chosen zone. From the keyboard: the "
                    "arrow keys move the key cursor, Shift with an arrow spans a rectangle, "
                    "Space adds the keys, Escape drops the rectangle."))
    , m_vMul(kSubModeCount)
{
}

MultizoneWid::~MultizoneWid() = default;

// Every way in keeps four zones and a current zone below four.
vantor_light& MultizoneWid::currentZone()
{
    return m_vMul[m_iCurrSubMode];
}

// A zone without an effect holds no keys, so there is nothing to drag into it.
bool MultizoneWid::isLocked()
{
    return currentZone().mode == Mode::Empty;
}

void MultizoneWid::setMultizone(uchar iCurrSubMode, const std::vector<vantor_light>& vMul,
                                const vantor_filter& filter)
{
    if (vMul.size() != m_vMul.size() || iCurrSubMode >= vMul.size())
        return;
    m_iCurrSubMode = iCurrSubMode;
    m_vMul = vMul;
    m_filter = filter;
    refreshKeys();
}

void MultizoneWid::getMultizone(uchar& iCurrSubMode, std::vector<vantor_light>& vMul,
                                vantor_filter& filter)
{
    iCurrSubMode = m_iCurrSubMode;
    vMul = m_vMul;
    filter = m_filter;
}

void MultizoneWid::slotCurrMultizoneMode(int iSubModeIdx)
{
    const auto index = uchar(iSubModeIdx);
    if (index >= m_vMul.size())
        return;
    m_iCurrSubMode = index;
    refreshKeys();
    emit sigUpdateMultizone(m_iCurrSubMode, m_vMul, m_filter, false);
}

void MultizoneWid::slotMultizoneModeChanged(int iMode)
{
    currentZone().mode = uchar(iMode);
    refreshKeys();
    emit sigUpdateMultizone(m_iCurrSubMode, m_vMul, m_filter, true);
}

void MultizoneWid::setLedColor(const QColor& cor)
{
    setGroundColor(currentZone(), m_iGroundType, cor);
    refreshKeys();
    emit sigUpdateMultizone(m_iCurrSubMode, m_vMul, m_filter, true);
}

void MultizoneWid::setLedGround(int iGroundType)
{
    m_iGroundType = iGroundType;
    refreshKeys();
}

void MultizoneWid::setLedSpeed(int iSpeed)
{
    currentZone().speed = uchar(iSpeed);
    emit sigUpdateMultizone(m_iCurrSubMode, m_vMul, m_filter, true);
}

void MultizoneWid::setLedDirect(int iDirect)
{
    currentZone().direction = uchar(iDirect);
    emit sigUpdateMultizone(m_iCurrSubMode, m_vMul, m_filter, true);
}

void MultizoneWid::zoneColor(QColor& cor)
{
    cor = groundColor(currentZone(), m_iGroundType);
}

// Only the current zone is shown: its keys in the zone colour, every other key plain.
void MultizoneWid::refreshKeys()
{
    uchar* members = m_filter.zone[m_iCurrSubMode];
    const KeyMap& keys = m_keyboard.keys();
    if (isLocked()) {
        for (LedKeyBtn* key : keys)
            key->resetKey();
        std::fill(members, members + kZoneBlockSize, uchar(0));
        return;
    }
    QColor cor;
    zoneColor(cor);
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        LedKeyBtn* key = it.value();
        if (members[it.key()] != 0) {
            key->setInZone(true);
            key->setKeyColor(cor);
        } else {
            key->setInZone(false);
            key->resetKey();
        }
    }
}

void MultizoneWid::mousePressEvent(QMouseEvent* event)
{
    if (isLocked())
        return;
    m_keyboard.press(*event);
}

void MultizoneWid::mouseMoveEvent(QMouseEvent* event)
{
    if (isLocked())
        return;
    m_keyboard.move(*event);
}

void MultizoneWid::mouseReleaseEvent(QMouseEvent* event)
{
    if (isLocked() || !m_keyboard.release(*event))
        return;
    commitKeys();
    update();
    emit sigUpdateMultizone(m_iCurrSubMode, m_vMul, m_filter, true);
}

// The keys marked at the last repaint join the current zone and leave every other zone.
void MultizoneWid::commitKeys()
{
    const KeyMap& keys = m_keyboard.keys();
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        const bool bSelected = it.value()->isSelected();
        it.value()->setInZone(bSelected);
        for (int zone = 0; zone < kSubModeCount; ++zone) {
            uchar& member = m_filter.zone[zone][it.key()];
            if (zone == m_iCurrSubMode)
                member = bSelected ? 1 : 0;
            else if (bSelected)
                member = 0;
        }
    }
}

void MultizoneWid::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QColor cor;
    zoneColor(cor);
    // Keys already in the zone stay; a drag only adds keys.
    m_keyboard.paintBand([&cor](quint16, LedKeyBtn* key, bool bUnderBand) {
        if (key->isInZone())
            return false;
        if (!bUnderBand) {
            key->resetKey();
            return false;
        }
        key->setKeyColor(cor);
        key->setSelected(true);
        return true;
    });
}
