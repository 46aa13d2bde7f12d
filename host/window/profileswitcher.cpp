// SPDX-License-Identifier: MIT
#include "host/window/profileswitcher.h"

#include "host/session/profilecount.h"
#include "platform/profilestore/profiledata.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {
constexpr int kButtonSize = 30;
constexpr int kSpacing = 4;
// Room for a name of about twenty characters; longer ones scroll in the field.
constexpr int kNameChars = 20;
} // namespace

ProfileSwitcher::ProfileSwitcher(QWidget* parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
    , m_name(new QLineEdit(this))
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

    m_name->setObjectName(QStringLiteral("profileNameEdit"));
    m_name->setAccessibleName(tr("Profile name"));
    m_name->setToolTip(tr("The shown profile's name: type a new one and press Enter. Empty "
                          "brings back the default name."));
    m_name->setMaxLength(ProfileData::kMaxNameLength);
    // No line breaks or other control characters, which the store refuses.
    m_name->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^\\p{Cc}]*")), m_name));
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * kNameChars);
    layout->addWidget(m_name);
    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        const uchar chosen = profile();
        if (chosen < m_names.size() && m_name->text() != m_names[chosen])
            emit sigRenameRequested(chosen, m_name->text());
        // The name as kept: trimmed, or as it was when it was refused.
        showName();
        // Done typing: Ctrl+Z is the window's undo again, not the field's own.
        if (m_name->hasFocus())
            m_name->clearFocus();
    });
    m_name->installEventFilter(this);

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
    showName();
}

void ProfileSwitcher::setNames(const QStringList& names)
{
    m_names = names;
    for (int profile = 0; profile < names.size(); ++profile) {
        if (QAbstractButton* button = m_group->button(profile)) {
            button->setAccessibleName(names[profile]);
            button->setToolTip(tr("Show and edit %1").arg(names[profile]));
        }
    }
    showName();
}

void ProfileSwitcher::startRenaming()
{
    m_name->setFocus(Qt::ShortcutFocusReason);
    m_name->selectAll();
}

bool ProfileSwitcher::eventFilter(QObject* watched, QEvent* event)
{
    // Escape drops what was typed and leaves the field.
    if (watched == m_name && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_name->hasFocus()) {
        showName();
        m_name->clearFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ProfileSwitcher::showName()
{
    const uchar chosen = profile();
    if (chosen < m_names.size())
        m_name->setText(m_names[chosen]);
}
