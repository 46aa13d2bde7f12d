// SPDX-License-Identifier: MIT
#include "host/device/keylayout.h"

#include "display/keymap.h"
#include "display/ledkeybtn.h"
#include "keylight/keytable.h"
#include "ui_keyboardwid.h"

#include <QLayout>
#include <QWidget>

#include <algorithm>
#include <utility>

KeyLayout KeyLayout::fromForm()
{
    QWidget form;
    Ui::KeyboardUi ui;
    ui.setupUi(&form);
    // Activating the layout places the keys without ever showing the form.
    form.layout()->activate();

    KeyLayout layout;
    layout.m_canvas = form.size();
    const auto keys = keyMapOf(&form);
    for (const KeyInfo& info : KeyTable::kKeys) {
        const LedKeyBtn* key = keys.value(info.led);
        if (!key)
            continue;
        KeyGeometry geometry;
        geometry.led = info.led;
        geometry.rect = QRectF(key->geometry());
        geometry.label = QString::fromUtf8(info.legend);
        layout.m_keyArea = layout.m_keyArea.isNull() ? geometry.rect
                                                     : layout.m_keyArea.united(geometry.rect);
        layout.m_keys.push_back(geometry);
    }
    const QRectF area = layout.m_keyArea;
    for (KeyGeometry& key : layout.m_keys) {
        key.x = float((key.rect.center().x() - area.left()) / area.width());
        key.y = float((key.rect.center().y() - area.top()) / area.height());
    }
    return layout;
}

KeyLayout KeyLayout::wrapped() const
{
    // Where no key of any row lies: the gaps between the keyboard's blocks.
    std::vector<std::pair<qreal, qreal>> spans;
    for (const KeyGeometry& key : m_keys)
        spans.emplace_back(key.rect.left(), key.rect.right());
    std::sort(spans.begin(), spans.end());
    qreal split = m_keyArea.right();
    qreal reach = m_keyArea.left();
    for (const auto& [left, right] : spans) {
        if (left > reach && reach > m_keyArea.center().x()) {
            split = left;
            break;
        }
        reach = std::max(reach, right);
    }
    if (split >= m_keyArea.right())
        return *this;

    // The lower tier starts at the keyboard's left edge, half a key below the upper one.
    KeyLayout tiers = *this;
    const qreal rowGap = m_keys.empty() ? 0.0 : m_keys.front().rect.height() / 2;
    const QPointF down(m_keyArea.left() - split, m_keyArea.height() + rowGap);
    tiers.m_keyArea = QRectF();
    for (KeyGeometry& key : tiers.m_keys) {
        if (key.rect.left() >= split)
            key.rect.translate(down);
        tiers.m_keyArea = tiers.m_keyArea.isNull() ? key.rect : tiers.m_keyArea.united(key.rect);
    }
    tiers.m_canvas = tiers.m_keyArea.size();
    return tiers;
}

int KeyLayout::keyAt(const QPointF& pos) const
{
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].rect.contains(pos))
            return int(i);
    }
    return -1;
}

int KeyLayout::indexOfLed(int led) const
{
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i].led == led)
            return int(i);
    }
    return -1;
}
