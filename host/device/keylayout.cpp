// SPDX-License-Identifier: MIT
#include "host/device/keylayout.h"

#include "display/keymap.h"
#include "display/ledkeybtn.h"
#include "keylight/keytable.h"
#include "ui_keyboardwid.h"

#include <QLayout>
#include <QWidget>

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
