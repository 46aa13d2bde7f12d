#include "display/keytable.h"

#include "display/ledkeybtn.h"

#include <QWidget>

QMap<quint16, LedKeyBtn*> keyMapOf(const QWidget* page)
{
    QMap<quint16, LedKeyBtn*> keys;
    for (const KeyTableEntry& entry : kKeyTable) {
        auto* key = page->findChild<LedKeyBtn*>(QLatin1String(entry.objectName),
                                                Qt::FindDirectChildrenOnly);
        Q_ASSERT_X(key, "keyMapOf", entry.objectName);
        if (key)
            keys.insert(entry.led, key);
    }
    return keys;
}
