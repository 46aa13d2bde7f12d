// SPDX-License-Identifier: MIT
#pragma once

// One change of a profile that reached the host, kept as the whole profile before and
// after it, so undo and redo put back exactly what the store held.

#include "platform/profilestore/profilestore.h"

#include <QUndoCommand>

#include <functional>

class ProfileChangeCommand : public QUndoCommand
{
public:
    // Puts a profile's data back into the store, the keyboard and the page.
    using Restore = std::function<void(uchar profile, const ProfileData& data)>;

    ProfileChangeCommand(const QString& text, uchar profile, const ProfileData& before,
                         const ProfileData& after, Restore restore);

    void undo() override;
    void redo() override;

private:
    uchar m_profile;
    ProfileData m_before;
    ProfileData m_after;
    Restore m_restore;
    bool m_done = true; // pushed after the change was made: the first redo has nothing to do
};
