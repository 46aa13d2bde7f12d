// SPDX-License-Identifier: MIT
#pragma once

// The Profile menu: the five profiles by name, the shown one checked, each with its
// shortcut (Ctrl+1 to Ctrl+5), so a profile is one key press away and the keys are written
// down where people look for them; then renaming, and copying the shown profile to another.

#include <QMenu>

class QActionGroup;

class ProfileMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ProfileMenu(QWidget* parent = nullptr);

    // Checks `profile` (0 to 4) without emitting anything.
    void setProfile(uchar profile);
    // The five names, in order.
    void setNames(const QStringList& names);

signals:
    void sigProfileChosen(uchar profile);
    void sigRenameChosen();
    // Copy the shown profile over `to`.
    void sigDuplicateChosen(uchar to);

private:
    QActionGroup* m_profiles;
    QMenu* m_duplicateTo;
};
