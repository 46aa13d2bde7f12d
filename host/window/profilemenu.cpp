// SPDX-License-Identifier: MIT
#include "host/window/profilemenu.h"

#include "host/session/profilecount.h"

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
        QAction* action = addAction(tr("Profile &%1").arg(profile + 1));
        action->setObjectName(QStringLiteral("actionProfile%1").arg(profile + 1));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(Qt::CTRL | kDigits[profile]));
        m_profiles->addAction(action);
        connect(action, &QAction::triggered, this, [this, profile] {
            emit sigProfileChosen(profile);
        });
    }
}

void ProfileMenu::setProfile(uchar profile)
{
    const QList<QAction*> actions = m_profiles->actions();
    if (profile < actions.size())
        actions[profile]->setChecked(true);
}
