// SPDX-License-Identifier: MIT
#include "host/desktop/effectnames.h"

#include "keylight/modecatalogue.h"

#include <QCoreApplication>

namespace EffectNames {

namespace {
constexpr const char* kPageContext = "LedModeUi";

QString comparable(const QString& name)
{
    return name.simplified().toCaseFolded();
}
} // namespace

int find(const QString& name)
{
    const QString wanted = comparable(name);
    if (wanted.isEmpty())
        return -1;
    for (const ModeInfo& info : ModeCatalogue::kModes) {
        if (comparable(QLatin1String(info.name)) == wanted
            || comparable(shown(info.mode)) == wanted)
            return info.mode;
    }
    return -1;
}

QString english(int mode)
{
    return ModeCatalogue::isKnown(mode) ? QLatin1String(ModeCatalogue::info(mode).name)
                                        : QString();
}

QString shown(int mode)
{
    return ModeCatalogue::isKnown(mode)
        ? QCoreApplication::translate(kPageContext, ModeCatalogue::info(mode).name)
        : QString();
}

} // namespace EffectNames
