// SPDX-License-Identifier: MIT
#pragma once

// The Profile menu: the five profiles, the shown one checked, each with its shortcut
// (Ctrl+1 to Ctrl+5), so a profile is one key press away and the keys are written down
// where people look for them.

#include <QMenu>

class QActionGroup;

class ProfileMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ProfileMenu(QWidget* parent = nullptr);

    // Checks `profile` (0 to 4) without emitting anything.
    void setProfile(uchar profile);

signals:
    void sigProfileChosen(uchar profile);

private:
    QActionGroup* m_profiles;
};
