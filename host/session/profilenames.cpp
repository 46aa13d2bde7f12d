// SPDX-License-Identifier: MIT
#include "host/session/profilenames.h"

#include "host/session/profilecount.h"
#include "platform/profilestore/profilestore.h"

QString ProfileNames::defaultName(uchar profile)
{
    return tr("Profile %1").arg(profile + 1);
}

QString ProfileNames::shown(const ProfileStore& store, uchar profile)
{
    const QString given = store.profile(profile).name;
    return given.isEmpty() ? defaultName(profile) : given;
}

QStringList ProfileNames::all(const ProfileStore& store)
{
    QStringList names;
    for (uchar profile = 0; profile < kShownProfileCount; ++profile)
        names << shown(store, profile);
    return names;
}

QString ProfileNames::menuText(QString name)
{
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
