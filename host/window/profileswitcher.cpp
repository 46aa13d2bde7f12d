// SPDX-License-Identifier: MIT
#include "host/window/profileswitcher.h"

#include "host/session/profilecount.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {
constexpr int kButtonSize = 30;
constexpr int kSpacing = 4;
} // namespace

ProfileSwitcher::ProfileSwitcher(QWidget* parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("profileSwitcher"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kSpacing, 0, kSpacing, 0);
    layout->setSpacing(kSpacing);
    auto* caption = new QLabel(tr("PROFILE"), this);
    caption->setObjectName(QStringLiteral("profileCaption"));
    layout->addWidget(caption);

    for (int profile = 0; profile < kShownProfileCount; ++profile) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("profileButton%1").arg(profile + 1));
        button->setText(QString::number(profile + 1));
        button->setAccessibleName(tr("Profile %1").arg(profile + 1));
        button->setToolTip(tr("Show and edit profile %1").arg(profile + 1));
        button->setCheckable(true);
        button->setFixedSize(kButtonSize, kButtonSize);
        m_group->addButton(button, profile);
        layout->addWidget(button);
    }
    m_group->button(0)->setChecked(true);

    // idClicked comes only from the user; setProfile checks a button without a click.
    connect(m_group, &QButtonGroup::idClicked, this,
            [this](int id) { emit sigProfileChosen(uchar(id)); });
}

uchar ProfileSwitcher::profile() const
{
    return uchar(qMax(0, m_group->checkedId()));
}

void ProfileSwitcher::setProfile(uchar profile)
{
    if (QAbstractButton* button = m_group->button(profile))
        button->setChecked(true);
}
