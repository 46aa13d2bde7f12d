// SPDX-License-Identifier: MIT
#include "display/keymap.h"

#include "display/ledkeybtn.h"
#include "keylight/keytable.h"

#include <QWidget>

KeyMap keyMapOf(const QWidget* page)
{
    KeyMap keys;
    for (const KeyInfo& info : KeyTable::kKeys) {
        auto* key = page->findChild<LedKeyBtn*>(QLatin1String(info.objectName),
                                                Qt::FindDirectChildrenOnly);
        Q_ASSERT_X(key, "keyMapOf", info.objectName);
        if (key)
            keys.insert(info.led, key);
    }
    return keys;
}
