// SPDX-License-Identifier: MIT
#include "host/window/profilemenu.h"

#include "host/session/profilecount.h"
#include "host/session/profilenames.h"

#include <QActionGroup>

#include <iterator>

ProfileMenu::ProfileMenu(QWidget* parent)
    : QMenu(tr("&Profile"), parent)
    , m_profiles(new QActionGroup(this))
{
    setObjectName(QStringLiteral("profileMenu"));
    m_profiles->setExclusive(true);
    // Ctrl with the digits 1 to 5, as the switcher numbers the profiles.
    static const Qt::Key kDigits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    static_assert(std::size(kDigits) == kShownProfileCount, "one digit per profile");
    for (uchar profile = 0; profile < kShownProfileCount; ++profile) {
        QAction* action = addAction(tr("Profile %1").arg(profile + 1));
        action->setObjectName(QStringLiteral("actionProfile%1").arg(profile + 1));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(Qt::CTRL | kDigits[profile]));
        m_profiles->addAction(action);
        connect(action, &QAction::triggered, this, [this, profile] {
            emit sigProfileChosen(profile);
        });
    }
    addSeparator();
    QAction* rename = addAction(tr("&Rename Profile"), this, &ProfileMenu::sigRenameChosen);
    rename->setObjectName(QStringLiteral("actionRename"));
    rename->setShortcut(QKeySequence(Qt::Key_F2));
    m_duplicateTo = addMenu(tr("&Duplicate To"));
    m_duplicateTo->setObjectName(QStringLiteral("duplicateMenu"));
    for (uchar profile = 0; profile < kShownProfileCount; ++profile) {
        QAction* action = m_duplicateTo->addAction(tr("Profile %1").arg(profile + 1));
        action->setObjectName(QStringLiteral("actionDuplicateTo%1").arg(profile + 1));
        connect(action, &QAction::triggered, this,
                [this, profile] { emit sigDuplicateChosen(profile); });
    }
}

void ProfileMenu::setProfile(uchar profile)
{
    const QList<QAction*> actions = m_profiles->actions();
    if (profile < actions.size())
        actions[profile]->setChecked(true);
    // A profile is not copied over itself.
    const QList<QAction*> targets = m_duplicateTo->actions();
    for (int target = 0; target < targets.size(); ++target)
        targets[target]->setEnabled(target != profile);
}

void ProfileMenu::setNames(const QStringList& names)
{
    const QList<QAction*> actions = m_profiles->actions();
    const QList<QAction*> targets = m_duplicateTo->actions();
    for (int profile = 0; profile < names.size() && profile < actions.size(); ++profile) {
        actions[profile]->setText(ProfileNames::menuText(names[profile]));
        targets[profile]->setText(ProfileNames::menuText(names[profile]));
    }
}
