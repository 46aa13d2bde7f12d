// SPDX-License-Identifier: MIT
#pragma once

// The profile buttons of the tool bar: profiles 1 to 5 as the user sees them, 0 to 4 as
// they are stored.

#include <QWidget>

class QButtonGroup;

class ProfileSwitcher : public QWidget
{
    Q_OBJECT

public:
    explicit ProfileSwitcher(QWidget* parent = nullptr);

    uchar profile() const;
    // Shows `profile` as chosen without emitting anything.
    void setProfile(uchar profile);

signals:
    // The user chose another profile.
    void sigProfileChosen(uchar profile);

private:
    QButtonGroup* m_group;
};
