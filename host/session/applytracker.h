// SPDX-License-Identifier: MIT
#pragma once

// Whether the keyboard's onboard memory holds each profile as the host shows it: any
// change since the last APPLY of that profile leaves it "not applied".

#include "host/session/profilecount.h"

#include <QtGlobal>

#include <array>


class ApplyTracker
{
public:
    bool isApplied(uchar profile) const;
    // Both return whether the state of `profile` changed.
    bool markChanged(uchar profile);
    bool markApplied(uchar profile);
    bool setApplied(uchar profile, bool applied);

private:
    // Until something changes, what the keyboard holds is taken to be what was stored.
    std::array<bool, kShownProfileCount> m_applied{true, true, true, true, true};
};
