// SPDX-License-Identifier: MIT
#include "mode/modeicon.h"

#include "keylight/modecatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace {
QHash<int, QIcon>& icons()
{
    static QHash<int, QIcon> cache;
    return cache;
}

// Icons hold pixmaps, which must go before the application does.
void dropIcons()
{
    icons().clear();
}
} // namespace

QIcon modeIcon(int iMode)
{
    auto cached = icons().constFind(iMode);
    if (cached != icons().constEnd())
        return cached.value();
    if (icons().isEmpty())
        qAddPostRoutine(dropIcons);
    const QString path = QString::fromLatin1(ModeCatalogue::info(iMode).iconPath);
    const QIcon icon = QFile::exists(path) ? QIcon(path) : QIcon();
    icons().insert(iMode, icon);
    return icon;
}
