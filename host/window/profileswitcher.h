// SPDX-License-Identifier: MIT
#pragma once

// The profile buttons of the tool bar, profiles 1 to 5 as the user sees them (0 to 4 as
// they are stored), and beside them the shown profile's name, renamed where it is shown.

#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QLineEdit;

class ProfileSwitcher : public QWidget
{
    Q_OBJECT

public:
    explicit ProfileSwitcher(QWidget* parent = nullptr);

    uchar profile() const;
    // Shows `profile` as chosen without emitting anything.
    void setProfile(uchar profile);
    // The five names, in order; the field shows the chosen profile's.
    void setNames(const QStringList& names);
    // Puts the cursor into the name, all of it selected, for typing a new one.
    void startRenaming();

signals:
    // The user chose another profile.
    void sigProfileChosen(uchar profile);
    // The user typed a new name for the chosen profile and pressed Enter or left the field;
    // a rename that is kept comes back through setNames().
    void sigRenameRequested(uchar profile, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showName();

    QButtonGroup* m_group;
    QLineEdit* m_name;
    QStringList m_names;
};
