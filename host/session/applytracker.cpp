// SPDX-License-Identifier: MIT
#include "host/session/applytracker.h"

bool ApplyTracker::isApplied(uchar profile) const
{
    return profile < m_applied.size() ? m_applied[profile] : true;
}

bool ApplyTracker::markChanged(uchar profile)
{
    return setApplied(profile, false);
}

bool ApplyTracker::markApplied(uchar profile)
{
    return setApplied(profile, true);
}

bool ApplyTracker::setApplied(uchar profile, bool applied)
{
    if (profile >= m_applied.size() || m_applied[profile] == applied)
        return false;
    m_applied[profile] = applied;
    return true;
}
