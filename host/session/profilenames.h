// SPDX-License-Identifier: MIT
#pragma once

// The names of the profiles as people see them: the name the user gave, or "Profile N".

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class ProfileStore;

class ProfileNames
{
    Q_DECLARE_TR_FUNCTIONS(ProfileNames)

public:
    // `profile` is the stored number, 0 to 4.
    static QString shown(const ProfileStore& store, uchar profile);
    static QString defaultName(uchar profile);
    // The five shown profiles' names, in order.
    static QStringList all(const ProfileStore& store);
    // A name as the text of a menu entry: its own ampersands are not shortcuts.
    static QString menuText(QString name);
};
