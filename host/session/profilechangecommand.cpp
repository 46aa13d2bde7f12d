// SPDX-License-Identifier: MIT
#include "host/session/profilechangecommand.h"

#include <utility>

ProfileChangeCommand::ProfileChangeCommand(const QString& text, uchar profile,
                                           const ProfileData& before, const ProfileData& after,
                                           Restore restore)
    : QUndoCommand(text)
    , m_profile(profile)
    , m_before(before)
    , m_after(after)
    , m_restore(std::move(restore))
{
}

void ProfileChangeCommand::undo()
{
    m_done = false;
    m_restore(m_profile, m_before);
}

void ProfileChangeCommand::redo()
{
    if (m_done)
        return;
    m_done = true;
    m_restore(m_profile, m_after);
}
